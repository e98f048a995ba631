// The array builder over random sessions: appends of code texts and of anything typed into
// the editable code box, "Отмена" followed by a new picker, the clear button, and the user's
// own edits of the box, with a picker tick (re-arm check) after each. Checks what every append
// must leave behind and that nothing outside the open array's last lines is ever touched.

#include "array_text.h"
#include "fuzz_input.h"
#include "line_list.h"
#include "segment_codes.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

namespace {

std::u32string randomText(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRandomLengthString(40);
    return fuzz::decodeUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// One of the eight code box texts for a random segment state, or what the user typed into the
// editable box.
std::u32string elementText(FuzzedDataProvider& input) {
    if (input.ConsumeBool())
        return randomText(input);
    const int lit = input.ConsumeIntegral<std::uint8_t>();
    tamrik::Weights a7{}, a0{};
    for (int s = 0; s < tamrik::kSegmentCount; ++s) {
        if (lit & (1 << s)) {
            a7[s] = tamrik::kWeightA7[s];
            a0[s] = tamrik::kWeightA0[s];
        }
    }
    const tamrik::CodeTexts codes = tamrik::codeTexts(a7, a0);
    const std::u32string* boxes[] = {&codes.cathodeA7Bin, &codes.anodeA7Bin,   &codes.cathodeA0Bin,
                                     &codes.anodeA0Bin,   &codes.cathodeA7Hex, &codes.anodeA7Hex,
                                     &codes.cathodeA0Hex, &codes.anodeA0Hex};
    return *boxes[input.ConsumeIntegralInRange(0, 7)];
}

std::u32string decimal(int value) {
    const std::string digits = std::to_string(value);
    return std::u32string(digits.begin(), digits.end());
}

// The element line an append writes: the comment goes in at position 11.
std::u32string numbered(const std::u32string& element, int number) {
    const std::u32string comment = tamrik::kCommentLead + decimal(number);
    if (element.size() <= 10)
        return element + comment;
    return element.substr(0, 10) + comment + element.substr(10);
}

void checkAppend(const std::vector<std::u32string>& before, bool wasOpen, int counterBefore,
                 const std::u32string& element, const tamrik::ArrayState& state,
                 const std::vector<std::u32string>& after) {
    const bool continues = wasOpen && before.size() >= 2;
    const int number = continues ? counterBefore : 0;
    FUZZ_CHECK(state.arrayStarted);
    FUZZ_CHECK(state.elementCounter == number + 1);
    FUZZ_CHECK(after.size() == before.size() + (continues ? 1 : 3));
    FUZZ_CHECK(after.back() == tamrik::kClosingLine);
    FUZZ_CHECK(after[after.size() - 2] == numbered(element, number));
    if (continues) {
        // Everything but the previous element line and the closing line stays; that line gets
        // its comma at position 11 and keeps its length and the column of its comment.
        const std::size_t previous = before.size() - 2;
        FUZZ_CHECK(std::equal(before.begin(), before.begin() + previous, after.begin()));
        const std::u32string& old = before[previous];
        const std::u32string& withComma = after[previous];
        FUZZ_CHECK(withComma == state.precedingLine);
        if (old.size() >= 12) {
            FUZZ_CHECK(withComma.size() == old.size());
            FUZZ_CHECK(withComma[10] == U',');
            FUZZ_CHECK(withComma.substr(0, 10) == old.substr(0, 10));
            FUZZ_CHECK(withComma.substr(11) == old.substr(11));
        }
    } else {
        // A new array below whatever the box holds, numbered from 0.
        FUZZ_CHECK(std::equal(before.begin(), before.end(), after.begin()));
        FUZZ_CHECK(after[before.size()] == tamrik::kHeaderLine);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    tamrik::ArrayState state;
    tamrik::VectorLines box;
    // Text the user typed before the first append.
    for (int n = input.ConsumeIntegralInRange(0, 3); n > 0; --n)
        box.add(randomText(input));

    // Where the open array's header stands, while nothing but appends has changed the box.
    std::ptrdiff_t openHeader = -1;
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange(0, 7)) {
        case 0:
        case 1:
        case 2: { // a click on a picker field
            const std::vector<std::u32string> before = box.lines;
            const bool wasOpen = state.arrayStarted;
            const int counter = state.elementCounter;
            const std::u32string element = elementText(input);
            tamrik::appendElement(state, box, element);
            checkAppend(before, wasOpen, counter, element, state, box.lines);
            if (!(wasOpen && before.size() >= 2))
                openHeader = static_cast<std::ptrdiff_t>(before.size());
            break;
        }
        case 3: // "Отмена", then a new picker
            tamrik::endArray(state);
            tamrik::headerReset(state);
            openHeader = -1;
            break;
        case 4: // the clear button
            box.clear();
            openHeader = -1;
            break;
        case 5: // the user deletes a line, or tries one past the end
            box.remove(input.ConsumeIntegralInRange(-1, box.count()));
            openHeader = -1;
            break;
        case 6: // the user types a line at the end
            box.add(randomText(input));
            openHeader = -1;
            break;
        case 7: // the user rewrites the last line
            box.replaceLast(randomText(input));
            openHeader = -1;
            break;
        }
        tamrik::rearmCheck(state, box); // a picker tick
        FUZZ_CHECK(state.arrayStarted || state.precedingLine == tamrik::kHeaderLine);
        FUZZ_CHECK(box.count() >= 0);

        // An array built by appends alone: header, element lines with their commas at
        // position 11 but the last, the closing line at the end of the box.
        if (state.arrayStarted && openHeader >= 0) {
            const auto& lines = box.lines;
            FUZZ_CHECK(lines[static_cast<std::size_t>(openHeader)] == tamrik::kHeaderLine);
            FUZZ_CHECK(lines.back() == tamrik::kClosingLine);
            const std::size_t lastElement = lines.size() - 2;
            for (auto k = static_cast<std::size_t>(openHeader) + 1; k < lastElement; ++k)
                FUZZ_CHECK(lines[k].size() > 10 && lines[k][10] == U',');
            FUZZ_CHECK(lastElement - static_cast<std::size_t>(openHeader) ==
                       static_cast<std::size_t>(state.elementCounter));
        }
    }
    return 0;
}
