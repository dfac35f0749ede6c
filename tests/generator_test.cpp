// The generator against the numbers it is defined by: the draw sequences
// for seeds 1 and 0, and batches worked out by hand from those draws.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "batch_state.h"
#include "charlists.h"
#include "outputer.h"
#include "random_source.h"
#include "remainder.h"

namespace {

using namespace kestrune;

// The lists as the user is promised them, typed out independently.
const std::string LOWER = "abcdefghijklmnopqrstuvwxyz0123456789";
const std::string MIXED = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
const std::string HEX = "0123456789ABCDEF";
const std::string SYMBOLS = "!$%^&*-=_+~#?";

class Generator : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_batch_state();
        kestrune::srand(1);
    }

    static std::string make(const char* list, int passwords, int chars)
    {
        charlist = list;
        count = passwords;
        size = chars;
        output_ready.store(0);
        output_batch();
        EXPECT_EQ(output_ready.load(), 1);
        return output_text;
    }
};

TEST_F(Generator, DrawSequencesForSeedsOneAndZero)
{
    struct Case {
        std::uint32_t seed;
        int draws[6];
    };
    const Case cases[] = {
        {1, {346, 130, 10982, 1090, 11656, 7117}},
        {0, {0, 346, 130, 10982, 1090, 11656}},
    };
    for (const Case& c : cases) {
        kestrune::srand(c.seed);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(kestrune::rand(), c.draws[i]) << "seed " << c.seed << ", draw " << i + 1;
    }
}

TEST_F(Generator, EveryDrawLiesInFifteenBits)
{
    kestrune::srand(0xDEADBEEFu);
    bool saw_min = false, saw_max = false;
    for (int i = 0; i < 1000000; ++i) {
        const int r = kestrune::rand();
        ASSERT_GE(r, 0) << "draw " << i;
        ASSERT_LE(r, 32767) << "draw " << i;
        saw_min |= r == 0;
        saw_max |= r == 32767;
    }
    EXPECT_TRUE(saw_min && saw_max) << "both ends of the range should be reached";
}

TEST_F(Generator, ListsHoldExactlyTheirCharactersInOrder)
{
    struct Case {
        const char* name;
        const char* list;
        std::string expected;
    };
    const Case cases[] = {
        {"lower and digits", CHARLIST_LOWER_DIGITS, LOWER},
        {"mixed and digits", CHARLIST_MIXED_DIGITS, MIXED},
        {"hex", CHARLIST_HEX, HEX},
        {"mixed, digits and symbols", CHARLIST_MIXED_SYMBOLS, MIXED + SYMBOLS},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(c.list), c.expected) << c.name;
    EXPECT_EQ(SYMBOLS.size(), 13u);
    EXPECT_EQ(std::strlen(CHARLIST_MIXED_SYMBOLS), 75u);
}

// Seed 1's draws 346 130 10982 1090 11656 7117, each taken mod the list
// length and looked up by hand.
TEST_F(Generator, BatchTextFromKnownDraws)
{
    struct Case {
        const char* list;
        int passwords, chars;
        const char* expected;
    };
    const Case cases[] = {
        {CHARLIST_HEX, 2, 3, "A26\r\n28D\r\n"},
        {CHARLIST_LOWER_DIGITS, 1, 6, "wwck2z\r\n"},
        {CHARLIST_MIXED_DIGITS, 1, 6, "kGIkAx\r\n"},
        {CHARLIST_MIXED_SYMBOLS, 1, 6, "u3gof*\r\n"},
        {CHARLIST_MIXED_SYMBOLS, 3, 2, "u3\r\ngo\r\nf*\r\n"},
        {CHARLIST_HEX, 1, 1, "A\r\n"},
    };
    for (const Case& c : cases) {
        kestrune::srand(1);
        EXPECT_EQ(make(c.list, c.passwords, c.chars), c.expected)
            << c.passwords << " x " << c.chars << " from \"" << c.list << "\"";
    }
}

TEST_F(Generator, SmallestBatchIsOneCharacterThenCrLf)
{
    std::memset(output_text, 'x', sizeof output_text);
    make(CHARLIST_HEX, 1, 1);
    EXPECT_EQ(std::string(output_text, 4), std::string("A\r\n\0", 4));
}

TEST_F(Generator, LargestBatchFillsTheWholeBuffer)
{
    std::memset(output_text, 'x', sizeof output_text);
    const std::string text = make(CHARLIST_MIXED_SYMBOLS, 100, 30);
    ASSERT_EQ(text.size(), 3200u);
    EXPECT_EQ(output_text[3200], '\0');
    EXPECT_EQ(sizeof output_text, 3201u);
    for (int line = 0; line < 100; ++line) {
        const std::string l = text.substr(static_cast<std::size_t>(line) * 32, 32);
        EXPECT_EQ(l.substr(30), "\r\n") << "line " << line;
        EXPECT_EQ(l.find_first_not_of(MIXED + SYMBOLS), 30u) << "line " << line << ": " << l;
    }
}

TEST_F(Generator, EveryCharacterComesFromTheCheckedList)
{
    struct Case {
        const char* list;
        std::string allowed;
    };
    const Case cases[] = {
        {CHARLIST_LOWER_DIGITS, LOWER},
        {CHARLIST_MIXED_DIGITS, MIXED},
        {CHARLIST_HEX, HEX},
        {CHARLIST_MIXED_SYMBOLS, MIXED + SYMBOLS},
    };
    for (const Case& c : cases) {
        std::string text = make(c.list, 100, 30);
        std::string seen;
        for (char ch : text) {
            if (ch == '\r' || ch == '\n')
                continue;
            EXPECT_NE(c.allowed.find(ch), std::string::npos) << "'" << ch << "' in " << c.list;
            if (seen.find(ch) == std::string::npos)
                seen += ch;
        }
        // 3000 draws reach every character of even the longest list.
        EXPECT_EQ(seen.size(), c.allowed.size()) << c.list;
    }
}

TEST_F(Generator, BatchesTakeConsecutiveStretchesOfOneSequence)
{
    EXPECT_EQ(make(CHARLIST_HEX, 1, 3), "A26\r\n");
    EXPECT_EQ(make(CHARLIST_HEX, 1, 3), "28D\r\n");

    // A batch of c x n uses exactly c x n draws: after 1 x 5 the next is the 6th.
    kestrune::srand(1);
    make(CHARLIST_LOWER_DIGITS, 1, 5);
    EXPECT_EQ(kestrune::rand(), 7117);
}

TEST_F(Generator, EmptyListGivesTheErrorTextAndNothingElse)
{
    std::memset(output_text, 'x', sizeof output_text);
    make("", 3, 8);
    const char expected[] = {'*', '*', '*', ' ', 'E', 'R', 'R', 'O', 'R', ' ', '*', '*', '*', 10,
                             'c', 'h', 'a', 'r', 'l', 'i', 's', 't', '_', 'l', 'e', 'n', ' ',
                             '<', ' ', '1', 0};
    EXPECT_EQ(std::string(output_text, sizeof expected), std::string(expected, sizeof expected));
    EXPECT_EQ(output_text[sizeof expected], 'x') << "bytes past the error text are left alone";
    EXPECT_EQ(kestrune::rand(), 346) << "no draws are used";
}

TEST_F(Generator, ThreadRoutineHandsTheTextOverThroughTheFlag)
{
    charlist = CHARLIST_HEX;
    count = 2;
    size = 3;
    std::thread outputer([] { EXPECT_EQ(outputer_thread(nullptr), 0u); });
    while (output_ready.load(std::memory_order_acquire) != 1)
        std::this_thread::yield();
    EXPECT_STREQ(output_text, "A26\r\n28D\r\n");
    outputer.join();
}

TEST_F(Generator, StartingValues)
{
    count = 5;
    size = 5;
    charlist = CHARLIST_HEX;
    output_text[0] = 'x';
    output_ready.store(1);
    reset_batch_state();
    EXPECT_EQ(count, 0);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(charlist, CHARLIST_LOWER_DIGITS);
    EXPECT_EQ(output_text[0], '\0');
    EXPECT_EQ(output_ready.load(), 0);
}

}  // namespace

namespace {

// The divide-free remainder must agree with the plain one for every draw
// and any list length the lists could have.
TEST(Remainder, MatchesPlainRemainderForEveryDraw)
{
    for (std::uint32_t d = 1; d <= 255; ++d) {
        const std::uint32_t reciprocal = kestrune::remainder_reciprocal(d);
        for (std::uint32_t r = 0; r <= 32767; ++r)
            ASSERT_EQ(kestrune::remainder(r, d, reciprocal), r % d) << r << " mod " << d;
    }
}

}  // namespace
