// Each renderer in every state that selects a different row of its table, held against a
// checked-in picture: one row of tiles per renderer, one tile per state. A changed coordinate
// changes a tile. DORVAK_WRITE_GOLDEN=1 writes the pictures anew from the renderers, for a
// change that is meant; look at them before checking them in.
#include "controls/button/shapes/ShapeRenderers.h"
#include "tests/controls/button/shapes/ShapeTesting.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

namespace dorvak {
namespace {

struct Case {
    const char* name;
    ShapeState state;
    EdgeColors edges = hoverEdges; // the style 6 set a failure's map names
};

// The states that select each row of a shape's table, and those that draw no row.
const std::vector<Case> cases{
    {"outline alone", pressed(hovered(style(0)))},
    {"style 5", hovered(style(5))},
    {"grey focus outline", focused(style(8))},
    {"1 pressed", pressed(style(1))},
    {"1 rest", hovered(style(1))},
    {"1 focused", focused(style(1))},
    {"2 pressed", pressed(style(2))},
    {"2 rest", style(2)},
    {"3 pressed", pressed(style(3))},
    {"3 hovered", hovered(style(3))},
    {"3 rest", style(3)},
    {"3 focused", focused(style(3))},
    {"4 enabled", focused(pressed(style(4)))},
    {"4 disabled", focused(hovered(disabled(style(4))))},
    {"6 pressed", focused(hovered(pressed(style(6))))},
    {"6 hovered", focused(hovered(style(6)))},
    {"6 focused", focused(style(6)), focusEdges},
    {"6 rest", disabled(style(6))},
    {"7 pressed", focused(pressed(style(7)))},
    {"7 rest", hovered(style(7))},
    {"7 focused", focused(style(7))},
    {"background", withBackground(style(1))},
};

struct Renderer {
    const char* name;
    void (*draw)(ShapeCanvas&);
    QSize size;
};

// The rectangle has maps of its own (ShapeRectangleTest).
const std::vector<Renderer> renderers{
    {"RoundRect", DrawShapeRoundRect, {40, 30}},
    {"Ellipse", DrawShapeEllipse, {31, 31}},
    {"Diamond", DrawShapeDiamond, {31, 31}},
    {"TriangleUp", DrawShapeTriangleUp, {30, 30}},
    {"TriangleLeft", DrawShapeTriangleLeft, {30, 30}},
    {"TriangleRight", DrawShapeTriangleRight, {30, 30}},
    {"TriangleDown", DrawShapeTriangleDown, {30, 30}},
    {"ArrowUp", DrawShapeArrowUp, {31, 31}},
    {"ArrowLeft", DrawShapeArrowLeft, {31, 31}},
    {"ArrowRight", DrawShapeArrowRight, {31, 31}},
    {"ArrowDown", DrawShapeArrowDown, {31, 31}},
};

QString goldenPath(const Renderer& renderer) {
    return QStringLiteral(DORVAK_SOURCE_DIR "/tests/controls/button/shapes/golden/%1.png")
        .arg(QLatin1String(renderer.name));
}

class ShapeGolden : public ::testing::TestWithParam<Renderer> {};

TEST_P(ShapeGolden, EveryStateDrawsAsItsPicture) {
    const Renderer& renderer = GetParam();
    const QSize tile = renderer.size;
    QImage sheet(tile.width() * int(cases.size()), tile.height(), QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        ShapeRun run(tile.width(), tile.height());
        run.draw(renderer.draw, cases[i].state);
        painter.drawImage(int(i) * tile.width(), 0, run.surface.image());
    }
    painter.end();

    if (qEnvironmentVariableIsSet("DORVAK_WRITE_GOLDEN")) {
        ASSERT_TRUE(sheet.save(goldenPath(renderer)));
        GTEST_SKIP() << "written anew";
    }
    const QImage golden = QImage(goldenPath(renderer)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(golden.size(), sheet.size()) << goldenPath(renderer).toStdString();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const QRect area(int(i) * tile.width(), 0, tile.width(), tile.height());
        const QImage expected = golden.copy(area);
        const QImage drawn = sheet.copy(area);
        if (drawn != expected)
            ADD_FAILURE() << cases[i].name << ": drawn\n"
                          << ShapeRun::map(drawn, cases[i].edges) << "where the picture has\n"
                          << ShapeRun::map(expected, cases[i].edges);
    }
}

INSTANTIATE_TEST_SUITE_P(Renderers, ShapeGolden, ::testing::ValuesIn(renderers),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace dorvak
