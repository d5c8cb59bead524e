#include "matrix/MatrixSetup.h"

#include <gtest/gtest.h>

#include <memory>

using namespace wall;

namespace {

TEST(MatrixSetup, FieldsShownFollowTheProtocol) {
    struct Case {
        MatrixKind kind;
        int protocol;
        MatrixFieldsShown shown;
    };
    constexpr MatrixFieldsShown none{}, model{true, false, false}, inputs{false, false, true},
        both{false, true, true};
    const Case cases[] = {
        {MatrixKind::AV, 0, none},     {MatrixKind::AV, 3, none},    // AB8TO4
        {MatrixKind::AV, 11, model},                                 // TRIOLION
        {MatrixKind::AV, 5, inputs},   {MatrixKind::AV, 88, inputs}, // MAINVAN, Panasonic
        {MatrixKind::AV, 89, inputs},  {MatrixKind::AV, 87, inputs}, // SMTH7, SMTH5
        {MatrixKind::AV, 1, both},     {MatrixKind::AV, 82, both},   // ZRQ001, SMTH6
        {MatrixKind::AV, 90, none},                                  // not in the list
        {MatrixKind::VGA, 0, none},    {MatrixKind::VGA, 9, model},  {MatrixKind::VGA, 63, inputs},
        {MatrixKind::VGA, 67, inputs},                               // Erton, RUMBQ
        {MatrixKind::VGA, 5, inputs},  {MatrixKind::VGA, 70, both},  // HRCMS, SMTH6
        {MatrixKind::VGA, 22, inputs}, {MatrixKind::VGA, 39, both},  // EXTRON, ZC003
        {MatrixKind::DVI, 0, none},    {MatrixKind::DVI, 3, inputs}, // LKV344
        {MatrixKind::DVI, 20, inputs}, {MatrixKind::DVI, 21, both},  // MAINVAN, DB
        {MatrixKind::DVI, 10, both},                                 // ODIN
        {MatrixKind::YUV, 0, none},    {MatrixKind::YUV, 1, both},   {MatrixKind::YUV, 2, both},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matrixFieldsShown(c.kind, c.protocol), c.shown)
            << matrixKeyName(c.kind) << " " << c.protocol;
}

TEST(MatrixSetup, DelayListsAndTheItemAStoredDelayShows) {
    ASSERT_EQ(matrixDelayChoices(MatrixKind::AV).size(), 22u);
    ASSERT_EQ(matrixDelayChoices(MatrixKind::YUV).size(), 14u);
    EXPECT_EQ(matrixDelayItem(MatrixKind::AV, 10), 1);
    EXPECT_EQ(matrixDelayItem(MatrixKind::VGA, 100), 10);
    EXPECT_EQ(matrixDelayItem(MatrixKind::AV, 1500), 20);
    EXPECT_EQ(matrixDelayItem(MatrixKind::DVI, 50), 1);
    EXPECT_EQ(matrixDelayItem(MatrixKind::DVI, 2000), 13);
    EXPECT_EQ(matrixDelayItem(MatrixKind::AV, 50), 5);
    EXPECT_EQ(matrixDelayItem(MatrixKind::DVI, 10), std::nullopt) << "not a DVI choice";
    EXPECT_EQ(matrixDelayItem(MatrixKind::AV, 250), std::nullopt);
    EXPECT_EQ(matrixDelayLabel(1500), QStringLiteral("1500 ms"));
}

TEST(MatrixSetup, InputCountsFixedByTheProtocol) {
    struct Case {
        MatrixKind kind;
        int company, type, inputMax, stored;
    };
    const Case cases[] = {
        {MatrixKind::AV, 11, 6, 100, 24},  // TRIOLION "24X16"
        {MatrixKind::AV, 11, 14, 4, 128},  // "128X128"
        {MatrixKind::AV, 11, 15, 7, 7},    // an unknown model keeps the count
        {MatrixKind::VGA, 9, 0, 4, 5},     // "5X2"
        {MatrixKind::VGA, 9, 2, 4, 8},     // "8X2F2"
        {MatrixKind::AV, 3, 0, 16, 8},     // AB8TO4
        {MatrixKind::AV, 28, 6, 100, 100}, // EXTRON: the chosen count
        {MatrixKind::DVI, 10, 6, 12, 12},
    };
    for (const Case& c : cases) {
        MatrixSettings s;
        s.company = c.company;
        s.type = c.type;
        s.inputMax = c.inputMax;
        EXPECT_EQ(confirmedInputCount(c.kind, s), c.stored) << c.company << " " << c.type;
    }
}

TEST(MatrixSetup, CellTextsAndWiringButtons) {
    auto map = std::make_unique<MatrixTable>();
    for (int n = 0; n < 8; ++n)
        (*map)[size_t(n)] = 10 + n;
    EXPECT_EQ(matrixOutputCellText(*map, MatrixKind::AV, 8, 1), QStringLiteral("14 15 16 17"));
    EXPECT_EQ(matrixOutputCellText(*map, MatrixKind::VGA, 8, 1), QStringLiteral("11"));
    EXPECT_EQ(matrixOutputCellText(*map, MatrixKind::AV, 4, 1), QStringLiteral("11"));
    setOneToOne(*map, 3);
    EXPECT_EQ((*map)[2], 3);
    EXPECT_EQ((*map)[3], 13) << "only the first entries";
    clearOutputs(*map, 2);
    EXPECT_EQ((*map)[1], 0);
    EXPECT_EQ((*map)[2], 3);
}

} // namespace
