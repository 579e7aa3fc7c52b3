// Our calls against the pixels real GDI produced for the same calls (gdi-reference/README.md):
// a white canvas, a black one-pixel pen, a hollow brush; a region shown as its members.
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Gradient.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"

#include <QRgb>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace dorvak {
namespace {

constexpr QRgb black = 0x000000;
constexpr QRgb white = 0xFFFFFF;

// Top-down rows of 0xRRGGBB pixels; none where a region call returned no region.
using Picture = std::optional<std::vector<QRgb>>;

struct RecordedCase {
    int line = 0; // of the call in the data file
    std::string call;
    std::string op;
    int width = 0;
    int height = 0;
    std::vector<int> args;
    Picture pixels;
};

// Rows joined by '/', each a list of runs RRGGBB*count joined by ','; '=' repeats the row
// above; "null:" stands for no region.
Picture decodeRows(const std::string& encoded, int width, int height) {
    if (encoded.starts_with("null:"))
        return std::nullopt;
    std::vector<QRgb> pixels;
    std::vector<QRgb> row;
    std::istringstream rows(encoded);
    for (std::string text; std::getline(rows, text, '/');) {
        if (text != "=") {
            row.clear();
            std::istringstream runs(text);
            for (std::string run; std::getline(runs, run, ',');) {
                const std::size_t star = run.find('*');
                row.insert(row.end(), std::stoul(run.substr(star + 1)),
                           QRgb(std::stoul(run.substr(0, star), nullptr, 16)));
            }
        }
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    if (pixels.size() != std::size_t(width) * std::size_t(height))
        throw std::runtime_error("picture of the wrong size: " + encoded.substr(0, 40));
    return pixels;
}

std::vector<RecordedCase> readCases() {
    std::ifstream file(DORVAK_GDI_REFERENCE);
    if (!file)
        throw std::runtime_error("cannot read " DORVAK_GDI_REFERENCE);
    std::vector<RecordedCase> cases;
    std::string call, picture;
    for (int line = 1; std::getline(file, call) && std::getline(file, picture); line += 2) {
        RecordedCase c;
        c.line = line;
        c.call = call;
        std::istringstream words(call.substr(0, call.find('#')));
        words >> c.op >> c.width >> c.height;
        for (int value; words >> value;)
            c.args.push_back(value);
        std::istringstream result(picture);
        std::string op, size, rows;
        result >> op >> size >> rows;
        c.pixels = decodeRows(rows, c.width, c.height);
        cases.push_back(std::move(c));
    }
    return cases;
}

const std::vector<RecordedCase>& recordedCases() {
    static const std::vector<RecordedCase> cases = readCases();
    return cases;
}

std::vector<QRgb> canvasPixels(const Surface& surface) {
    std::vector<QRgb> pixels;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            pixels.push_back(surface.image().pixel(x, y) & 0xFFFFFF);
    return pixels;
}

Picture regionPixels(HRGN handle, int width, int height) {
    const QRegion* region = findGdiObject<QRegion>(handle);
    if (!region)
        return std::nullopt;
    std::vector<QRgb> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(region->contains(QPoint(x, y)) ? black : white);
    DeleteObject(handle);
    return pixels;
}

std::vector<POINT> points(const std::vector<int>& args, std::size_t first) {
    std::vector<POINT> points;
    for (int i = 0; i < args[first]; ++i)
        points.push_back({args[first + 1 + 2 * i], args[first + 2 + 2 * i]});
    return points;
}

TRIVERTEX vertex(const std::vector<int>& args, std::size_t first) {
    return {args[first],
            args[first + 1],
            std::uint16_t(args[first + 2]),
            std::uint16_t(args[first + 3]),
            std::uint16_t(args[first + 4]),
            0};
}

// Our answer to the recorded call.
Picture ours(const RecordedCase& c) {
    const std::vector<int>& a = c.args;
    if (c.op == "polygonrgn") {
        const std::vector<POINT> corners = points(a, 1);
        return regionPixels(CreatePolygonRgn(corners.data(), int(corners.size()), a[0]), c.width,
                            c.height);
    }
    if (c.op == "roundrectrgn")
        return regionPixels(CreateRoundRectRgn(a[0], a[1], a[2], a[3], a[4], a[5]), c.width,
                            c.height);
    if (c.op == "ellipticrgn")
        return regionPixels(CreateEllipticRgn(a[0], a[1], a[2], a[3]), c.width, c.height);

    Surface surface(c.width, c.height);
    surface.setBackColor(0xFFFFFF);
    surface.setForeColor(0x000000);
    const HDC hdc = surface.hdc();
    if (c.op == "line") {
        MoveToEx(hdc, a[0], a[1], nullptr);
        LineTo(hdc, a[2], a[3]);
    } else if (c.op == "polygon") {
        const std::vector<POINT> corners = points(a, 0);
        Polygon(hdc, corners.data(), int(corners.size()));
    } else if (c.op == "roundrect") {
        RoundRect(hdc, a[0], a[1], a[2], a[3], a[4], a[5]);
    } else if (c.op == "arc") {
        Arc(hdc, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    } else if (c.op == "gradient_h" || c.op == "gradient_v") {
        const TRIVERTEX vertices[] = {vertex(a, 0), vertex(a, 5)};
        const GRADIENT_RECT mesh{0, 1};
        GradientFill(hdc, vertices, 2, &mesh, 1,
                     c.op == "gradient_h" ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    } else {
        throw std::runtime_error("unknown call " + c.op);
    }
    return canvasPixels(surface);
}

// '#' black and '.' white when the picture has only those; otherwise every pixel in hex.
std::string describe(const Picture& picture, int width) {
    if (!picture)
        return "no region\n";
    const bool twoTone = std::all_of(picture->begin(), picture->end(),
                                     [](QRgb pixel) { return pixel == black || pixel == white; });
    std::string text;
    char hex[8];
    for (std::size_t i = 0; i < picture->size(); ++i) {
        const QRgb pixel = (*picture)[i];
        if (twoTone) {
            text += pixel == black ? '#' : '.';
        } else {
            std::snprintf(hex, sizeof hex, "%06X ", pixel);
            text += hex;
        }
        if ((i + 1) % std::size_t(width) == 0)
            text += '\n';
    }
    return text;
}

TEST(GdiReference, HoldsEveryRecordedCaseOfTheNineCalls) {
    std::map<std::string, int> perCall;
    for (const RecordedCase& c : recordedCases())
        ++perCall[c.op];
    EXPECT_EQ(recordedCases().size(), 6064u);
    EXPECT_EQ(perCall, (std::map<std::string, int>{{"arc", 782},
                                                   {"ellipticrgn", 376},
                                                   {"gradient_h", 372},
                                                   {"gradient_v", 372},
                                                   {"line", 1256},
                                                   {"polygon", 710},
                                                   {"polygonrgn", 522},
                                                   {"roundrect", 1052},
                                                   {"roundrectrgn", 622}}));
}

class GdiReferenceCall : public testing::TestWithParam<const char*> {};

// Prints the first few disagreements in full and counts them all.
TEST_P(GdiReferenceCall, AgreesWithGdiOnEveryRecordedCase) {
    constexpr int printed = 5;
    int cases = 0, disagreeing = 0;
    for (const RecordedCase& c : recordedCases()) {
        if (c.op != GetParam())
            continue;
        ++cases;
        const Picture made = ours(c);
        if (made == c.pixels)
            continue;
        if (++disagreeing <= printed)
            ADD_FAILURE() << "line " << c.line << ": " << c.call << "\nGDI:\n"
                          << describe(c.pixels, c.width) << "ours:\n"
                          << describe(made, c.width);
    }
    EXPECT_GT(cases, 0);
    EXPECT_EQ(disagreeing, 0) << "of " << cases << " cases";
}

INSTANTIATE_TEST_SUITE_P(Calls, GdiReferenceCall,
                         testing::Values("line", "polygon", "roundrect", "arc", "roundrectrgn",
                                         "ellipticrgn", "polygonrgn", "gradient_h", "gradient_v"),
                         [](const testing::TestParamInfo<const char*>& call) {
                             return std::string(call.param);
                         });

} // namespace
} // namespace dorvak
