// Marks at another size: the check box size at each DPI, the ink found, and the area filter that
// keeps every stroke and doubles exactly.
#include "core/mark_image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A mark drawn as rows of characters: '#' black, '+' grey, anything else transparent.
core::MarkImage Drawn(const std::vector<std::string>& rows) {
    core::MarkImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            if (c == '#') image.At(x, y) = core::MarkPixel{0, 0, 0, 1};
            if (c == '+') image.At(x, y) = core::MarkPixel{128, 128, 128, 1};
        }
    }
    return image;
}

// A square frame of one-pixel strokes, `size` across, in a cell with a margin around it.
core::MarkImage Frame(int size, int margin) {
    std::vector<std::string> rows;
    const int cell = size + 2 * margin;
    for (int y = 0; y < cell; ++y) {
        std::string row;
        for (int x = 0; x < cell; ++x) {
            const bool inside = x >= margin && x < margin + size && y >= margin && y < margin + size;
            const bool edge = x == margin || x == margin + size - 1 || y == margin || y == margin + size - 1;
            row += inside && edge ? '#' : '.';
        }
        rows.push_back(row);
    }
    return Drawn(rows);
}

struct InkCase {
    int dpi;
    int ink;
};

class CheckBoxInkTest : public testing::TestWithParam<InkCase> {};

TEST_P(CheckBoxInkTest, GrowsWithTheDpi) { EXPECT_EQ(core::CheckBoxInk(GetParam().dpi), GetParam().ink); }

INSTANTIATE_TEST_SUITE_P(Table, CheckBoxInkTest,
                         testing::Values(InkCase{96, 13}, InkCase{120, 16}, InkCase{144, 20}, InkCase{168, 23},
                                         InkCase{192, 26}, InkCase{288, 39}, InkCase{0, 13}));

TEST(MarkImageTest, InkIsTheBoxOfTheShownPixelsOfAllImages) {
    const core::MarkImage a = Drawn({"....", ".#..", "....", "...."});
    const core::MarkImage b = Drawn({"....", "....", "....", "..+."});
    const core::InkBox box = core::FindInk({a, b});
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, 3);
    EXPECT_EQ(box.bottom, 4);
    EXPECT_EQ(box.Size(), 3);
    EXPECT_EQ(core::FindInk({Drawn({"..", ".."})}).Size(), 0);
    EXPECT_TRUE(core::ScaleMarks({Drawn({"..", ".."})}, core::InkBox{}, 20, 20, 20).empty());
}

TEST(MarkImageTest, AWholeScaleCopiesEveryPixel) {
    const core::MarkImage mark = Drawn({"#+.", ".#+", "+.#"});
    const auto scaled = core::ScaleMarks({mark}, core::FindInk({mark}), 6, 6, 6);
    ASSERT_EQ(scaled.size(), 1u);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const core::MarkPixel& was = mark.At(x / 2, y / 2);
            const core::MarkPixel& now = scaled[0].At(x, y);
            EXPECT_EQ(now.a, was.a) << x << "," << y;
            if (was.a > 0) {
                EXPECT_FLOAT_EQ(now.r, was.r) << x << "," << y;
            }
        }
    }
}

struct ScaleCase {
    int size;    // of the frame
    int margin;  // around it, in its cell
    int inkSize;
    int cell;
};

class MarkScaleTest : public testing::TestWithParam<ScaleCase> {};

// The frame of one-pixel strokes comes out the asked size, in the middle of its cell, with every
// side whole: no row or column between its corners misses its stroke.
TEST_P(MarkScaleTest, KeepsEveryStrokeAtTheAskedSize) {
    const ScaleCase c = GetParam();
    const core::MarkImage frame = Frame(c.size, c.margin);
    const auto scaled = core::ScaleMarks({frame}, core::FindInk({frame}), c.inkSize, c.cell, c.cell);
    ASSERT_EQ(scaled.size(), 1u);
    const core::InkBox box = core::FindInk(scaled);
    EXPECT_NEAR(box.Size(), c.inkSize, 1);
    EXPECT_LE(std::abs(box.left - (c.cell - box.right)), 1) << "centred across";
    EXPECT_LE(std::abs(box.top - (c.cell - box.bottom)), 1) << "centred down";
    for (int i = box.top; i < box.bottom; ++i) {
        EXPECT_TRUE(scaled[0].IsInk(box.left, i)) << "left side, row " << i;
        EXPECT_TRUE(scaled[0].IsInk(box.right - 1, i)) << "right side, row " << i;
    }
    for (int i = box.left; i < box.right; ++i) {
        EXPECT_TRUE(scaled[0].IsInk(i, box.top)) << "top side, column " << i;
        EXPECT_TRUE(scaled[0].IsInk(i, box.bottom - 1)) << "bottom side, column " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, MarkScaleTest,
                         testing::Values(ScaleCase{13, 0, 20, 20},    // the tree's marks at 144 DPI
                                         ScaleCase{12, 4, 20, 30},    // the radio ring at 144 DPI
                                         ScaleCase{12, 4, 26, 40},    // and at 192 DPI
                                         ScaleCase{13, 0, 16, 16},    // 120 DPI
                                         ScaleCase{26, 3, 13, 16}));  // smaller: a 192-DPI box at 96

TEST(MarkImageTest, ColoursStayTheirOwnAndOpaque) {
    const core::MarkImage mark = Drawn({"++++", "+##+", "+##+", "++++"});
    const auto scaled = core::ScaleMarks({mark}, core::FindInk({mark}), 6, 6, 6);
    ASSERT_EQ(scaled.size(), 1u);
    for (const core::MarkPixel& p : scaled[0].pixels) {
        EXPECT_EQ(p.a, 1.0f);
        EXPECT_GE(p.r, 0.0f);
        EXPECT_LE(p.r, 128.0f + 1e-3f);
    }
    EXPECT_FLOAT_EQ(scaled[0].At(0, 0).r, 128.0f);  // a grey corner stays grey
    EXPECT_FLOAT_EQ(scaled[0].At(3, 3).r, 0.0f);    // the black middle stays black
}

}  // namespace
