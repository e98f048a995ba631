#include "array_text.h"
#include "picker_strip.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tamrik;

namespace {

using Lines = std::vector<std::u32string>;

struct Builder {
    ArrayState state;
    VectorLines box;

    void append(const std::u32string& element) { appendElement(state, box, element); }
};

// The three worked examples: the lines after one, two and three appends from an empty box.
struct WorkedExample {
    const char* name;
    std::u32string elements[3];
    Lines after[3];
};

const WorkedExample kWorkedExamples[] = {
    {"binary",
     {U"0b00111111", U"0b00000110", U"0b01011011"},
     {{U"flash char buf[ ] = {", U"0b00111111       // 0", U"};"},
      {U"flash char buf[ ] = {", U"0b00111111,      // 0", U"0b00000110       // 1", U"};"},
      {U"flash char buf[ ] = {", U"0b00111111,      // 0", U"0b00000110,      // 1",
       U"0b01011011       // 2", U"};"}}},
    {"hexadecimal",
     {U"0x3F", U"0x06", U"0x5B"},
     {{U"flash char buf[ ] = {", U"0x3F       // 0", U"};"},
      {U"flash char buf[ ] = {", U"0x3F      ,// 0", U"0x06       // 1", U"};"},
      {U"flash char buf[ ] = {", U"0x3F      ,// 0", U"0x06      ,// 1", U"0x5B       // 2",
       U"};"}}},
    {"mixed",
     {U"0b00111111", U"0x06", U"0b01011011"},
     {{U"flash char buf[ ] = {", U"0b00111111       // 0", U"};"},
      {U"flash char buf[ ] = {", U"0b00111111,      // 0", U"0x06       // 1", U"};"},
      {U"flash char buf[ ] = {", U"0b00111111,      // 0", U"0x06      ,// 1",
       U"0b01011011       // 2", U"};"}}},
};

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, LineForLine) {
    const WorkedExample& example = GetParam();
    Builder b;
    for (int i = 0; i < 3; ++i) {
        b.append(example.elements[i]);
        EXPECT_EQ(b.box.lines, example.after[i]) << "after append " << i + 1;
        EXPECT_TRUE(b.state.arrayStarted);
        EXPECT_EQ(b.state.elementCounter, i + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(ArrayText, WorkedExamples, testing::ValuesIn(kWorkedExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArrayText, TwoDigitNumbersKeepTheCommaInColumn11) {
    Builder b;
    for (int i = 0; i < 12; ++i)
        b.append(U"0b00111111");
    ASSERT_EQ(b.box.count(), 14);
    EXPECT_EQ(b.box.line(12), U"0b00111111       // 11");
    EXPECT_EQ(b.box.line(11), U"0b00111111,      // 10");
    b.append(U"0x06");
    EXPECT_EQ(b.box.line(12), U"0b00111111,      // 11");
    EXPECT_EQ(b.box.line(13), U"0x06       // 12");
    EXPECT_EQ(b.box.line(14), U"};");
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(b.box.line(i)[10], U',') << "line " << i;
}

TEST(ArrayText, TypedTextStaysAboveTheHeader) {
    Builder b;
    b.box.lines = {U"// segments of my clock", U""};
    b.append(U"0x3F");
    b.append(U"0x06");
    EXPECT_EQ(b.box.lines, (Lines{U"// segments of my clock", U"", U"flash char buf[ ] = {",
                                  U"0x3F      ,// 0", U"0x06       // 1", U"};"}));
}

TEST(ArrayText, EndedArrayIsFollowedByANewOneNumberedFromZero) {
    Builder b;
    b.append(U"0b00111111");
    b.append(U"0b00000110");
    endArray(b.state);
    EXPECT_FALSE(b.state.arrayStarted);
    EXPECT_EQ(b.state.precedingLine, U"0b00111111,      // 0");
    headerReset(b.state); // the next picker window
    b.append(U"0x3F");
    EXPECT_EQ(b.box.lines,
              (Lines{U"flash char buf[ ] = {", U"0b00111111,      // 0", U"0b00000110       // 1",
                     U"};", U"flash char buf[ ] = {", U"0x3F       // 0", U"};"}));
    EXPECT_EQ(b.state.elementCounter, 1);
}

// An array is open but the user has cut the box down below its last element and closing line.
struct OpenCase {
    const char* name;
    Lines before;
};

class OpenArrayWithTooFewLines : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenArrayWithTooFewLines, StartsANewArrayBelowNumberedFromZero) {
    Builder b;
    b.append(U"0b00111111");
    b.append(U"0b00000110");
    b.append(U"0b01011011");
    b.box.lines = GetParam().before;
    b.append(U"0x3F");
    Lines expected = GetParam().before;
    expected.insert(expected.end(), {U"flash char buf[ ] = {", U"0x3F       // 0", U"};"});
    EXPECT_EQ(b.box.lines, expected);
    EXPECT_EQ(b.state.elementCounter, 1);
    b.append(U"0x06");
    EXPECT_EQ(b.box.line(b.box.count() - 3), U"0x3F      ,// 0");
    EXPECT_EQ(b.box.line(b.box.count() - 2), U"0x06       // 1");
}

INSTANTIATE_TEST_SUITE_P(ArrayText, OpenArrayWithTooFewLines,
                         testing::Values(OpenCase{"empty", {}}, OpenCase{"oneLine", {U"};"}},
                                         OpenCase{"oneTypedLine", {U"my notes"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArrayText, RearmCheckEndsTheArrayOnlyWhenTheBoxIsEmpty) {
    Builder b;
    b.append(U"0b00111111");
    b.append(U"0b00000110");
    rearmCheck(b.state, b.box);
    EXPECT_TRUE(b.state.arrayStarted);
    EXPECT_EQ(b.state.precedingLine, U"0b00111111,      // 0");

    b.box.clear();
    rearmCheck(b.state, b.box);
    EXPECT_FALSE(b.state.arrayStarted);
    EXPECT_EQ(b.state.precedingLine, kHeaderLine);
    b.append(U"0x5B");
    EXPECT_EQ(b.box.lines, (Lines{U"flash char buf[ ] = {", U"0x5B       // 0", U"};"}));
}

TEST(ArrayText, AnotherHeaderSetBeforeTheFirstAppendIsUsed) {
    Builder b;
    b.state.precedingLine = U"const uint8_t buf[] PROGMEM = {";
    b.append(U"0x3F");
    b.append(U"0x06");
    EXPECT_EQ(b.box.lines, (Lines{U"const uint8_t buf[] PROGMEM = {", U"0x3F      ,// 0",
                                  U"0x06       // 1", U"};"}));
    headerReset(b.state);
    EXPECT_EQ(b.state.precedingLine, kHeaderLine);
}

// Text typed into the one editable code box can be anything; the comment still goes after
// the tenth character, and the comma into column 11.
TEST(ArrayText, ElementsOfOtherLengthsAndCharacters) {
    using namespace std::string_literals;
    Builder b;
    b.append(U"0b00111111XY");
    EXPECT_EQ(b.box.line(1), U"0b00111111       // 0XY");
    b.append(U"");
    EXPECT_EQ(b.box.line(1), U"0b00111111,      // 0XY");
    EXPECT_EQ(b.box.line(2), U"       // 1");
    // Four characters, NUL and a control character among them, like a hexadecimal code.
    b.append(U"\u0436\0\x1F\u044F"s);
    EXPECT_EQ(b.box.line(2), U"       // ,"); // the comma step's fixed columns, as for any line
    EXPECT_EQ(b.box.line(3), U"\u0436\0\x1F\u044F       // 2"s);
    b.append(U"x");
    EXPECT_EQ(b.box.line(3), U"\u0436\0\x1F\u044F      ,// 2"s);
    EXPECT_EQ(b.box.count(), 6);
}

TEST(ArrayText, PositionsCountFromOneAndPastTheEndAppendOrDoNothing) {
    EXPECT_EQ(insertAt(U"abc", 1, U","), U",abc");
    EXPECT_EQ(insertAt(U"abc", 3, U","), U"ab,c");
    EXPECT_EQ(insertAt(U"abc", 4, U","), U"abc,");
    EXPECT_EQ(insertAt(U"abc", 11, U","), U"abc,");
    EXPECT_EQ(insertAt(U"", 11, U","), U",");
    EXPECT_EQ(deleteAt(U"abc", 1), U"bc");
    EXPECT_EQ(deleteAt(U"abc", 3), U"ab");
    EXPECT_EQ(deleteAt(U"abc", 4), U"abc");
    EXPECT_EQ(deleteAt(U"", 12), U"");
}

// Each append is one group of edits, so a text box lays out once per append.
class GroupRecorder : public VectorLines {
public:
    int depth = 0;
    int groups = 0;
    int editsOutsideGroups = 0;

    void beginGroup() override {
        if (depth++ == 0)
            ++groups;
    }
    void endGroup() override { --depth; }
    void add(const std::u32string& text) override {
        editsOutsideGroups += depth == 0;
        VectorLines::add(text);
    }
    void remove(int i) override {
        editsOutsideGroups += depth == 0;
        VectorLines::remove(i);
    }
    void replaceLast(const std::u32string& text) override {
        editsOutsideGroups += depth == 0;
        VectorLines::replaceLast(text);
    }
};

TEST(ArrayText, EachAppendIsOneGroup) {
    ArrayState state;
    GroupRecorder box;
    appendElement(state, box, U"0x3F");
    appendElement(state, box, U"0x06");
    EXPECT_EQ(box.groups, 2);
    EXPECT_EQ(box.depth, 0);
    EXPECT_EQ(box.editsOutsideGroups, 0);
}

TEST(VectorLines, IndexesOutsideTheLinesAreHarmless) {
    VectorLines box({U"a", U"b"});
    EXPECT_EQ(box.line(-1), U"");
    EXPECT_EQ(box.line(2), U"");
    box.remove(-1);
    box.remove(2);
    EXPECT_EQ(box.lines, (Lines{U"a", U"b"}));
    box.remove(0);
    EXPECT_EQ(box.lines, (Lines{U"b"}));
    box.clear();
    box.replaceLast(U"c");
    EXPECT_EQ(box.lines, (Lines{U"c"}));
}

// The strip's columns: which field a click reaches and what a pointer move does.
TEST(PickerStrip, ColumnBoundaries) {
    const struct {
        int column;
        int field;
        PointerEffect effect;
    } cases[] = {
        {-1, 0, PointerEffect::Keep},   {0, 0, PointerEffect::Keep},
        {1, 1, PointerEffect::Set},     {79, 1, PointerEffect::Set},
        {80, 0, PointerEffect::Clear},  {92, 0, PointerEffect::Clear},
        {93, 2, PointerEffect::Set},    {114, 2, PointerEffect::Set},
        {115, 0, PointerEffect::Clear}, {132, 0, PointerEffect::Clear},
        {133, 3, PointerEffect::Set},   {208, 3, PointerEffect::Set},
        {209, 0, PointerEffect::Clear}, {220, 0, PointerEffect::Clear},
        {221, 4, PointerEffect::Set},   {246, 4, PointerEffect::Set},
        {247, 0, PointerEffect::Keep},  {249, 0, PointerEffect::Keep},
        {250, 0, PointerEffect::Keep},  {100000, 0, PointerEffect::Keep},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fieldAt(c.column), c.field) << "column " << c.column;
        EXPECT_EQ(pointerEffectAt(c.column), c.effect) << "column " << c.column;
    }
    // Every click zone lies inside its drawn box.
    for (std::size_t i = 0; i < kFieldZones.size(); ++i) {
        EXPECT_GE(kFieldZones[i].first, kStripBoxes[i].first);
        EXPECT_LE(kFieldZones[i].last, kStripBoxes[i].last);
    }
}

} // namespace
