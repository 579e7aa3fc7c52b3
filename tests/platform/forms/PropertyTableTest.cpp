#include "platform/forms/PropertyTable.h"

#include <QJsonObject>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

// A control whose look is set up from its style before its other properties are read, as
// the window skin's is: a design without "Style" sets up the dark look (1) first and ends
// with the light one (0).
struct Styled {
    std::int32_t style = -1;
    bool transparency = false;
    OleColor foreColor = 0;
    std::int32_t draft = 7;
    std::vector<std::int32_t> stylesSetUp;
};

const PropertyTable<Styled> properties{
    field("Style", &Styled::style, 0).readFirst(1),
    field("Transparency", &Styled::transparency, true),
    field("ForeColor", &Styled::foreColor, 0xFF0000),
    field("Draft", &Styled::draft, 3).unsaved(),
};

void restore(Styled& control, const PropertyBag& bag) {
    properties.readFirst(control, bag);
    control.stylesSetUp.push_back(control.style);
    properties.read(control, bag);
    control.stylesSetUp.push_back(control.style);
}

TEST(PropertyTable, ReadsTheStyleFirstWithItsOwnDefaultThenWithTheTables) {
    Styled unsaved;
    restore(unsaved, PropertyBag());
    EXPECT_EQ(unsaved.stylesSetUp, (std::vector<std::int32_t>{1, 0}));
    EXPECT_TRUE(unsaved.transparency);
    EXPECT_EQ(unsaved.draft, 7) << "an unsaved property is not read";

    Styled saved;
    restore(saved, PropertyBag(QJsonObject{{"style", 4}, {"FORECOLOR", "0x000080"}}));
    EXPECT_EQ(saved.stylesSetUp, (std::vector<std::int32_t>{4, 4}));
    EXPECT_EQ(saved.foreColor, 0x000080u) << "keys match without regard to case";
}

TEST(PropertyTable, PlacesDefaultsAndWritesOnlyWhatDiffersInOrder) {
    Styled control;
    properties.placeAnew(control);
    EXPECT_EQ(control.style, 0);
    EXPECT_EQ(control.draft, 3);
    PropertyBag bag;
    properties.write(control, bag);
    EXPECT_TRUE(bag.contents().isEmpty());

    control.style = 99; // no check: any value is kept
    control.transparency = false;
    properties.write(control, bag);
    EXPECT_EQ(bag.contents(), (QJsonObject{{"style", 99}, {"transparency", false}}));

    int steps = 0;
    properties.read(control, bag, [&](const std::function<void()>& read) {
        ++steps;
        read();
    });
    EXPECT_EQ(steps, 3) << "one step for each saved property";
}

} // namespace
} // namespace dorvak
