// The four character lists a password is drawn from, and the batch limits.
// A draw picks a character by index, so the order of each list is part of
// the output: never reorder them.
#pragma once

namespace kestrune {

// Methods 1 to 4, in the order the dialog offers them. inline: one object
// each across the program, so a charlist pointer can be compared.
inline constexpr char CHARLIST_LOWER_DIGITS[] = "abcdefghijklmnopqrstuvwxyz0123456789";
inline constexpr char CHARLIST_MIXED_DIGITS[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
inline constexpr char CHARLIST_HEX[] = "0123456789ABCDEF";
inline constexpr char CHARLIST_MIXED_SYMBOLS[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!$%^&*-=_+~#?";

constexpr int BATCH_COUNT_MIN = 1;
constexpr int BATCH_COUNT_MAX = 100;
constexpr int BATCH_SIZE_MIN = 1;
constexpr int BATCH_SIZE_MAX = 30;

// Each password is followed by CR LF; one NUL ends the text.
constexpr int LINE_END_LENGTH = 2;
constexpr int OUTPUT_TEXT_SIZE = BATCH_COUNT_MAX * (BATCH_SIZE_MAX + LINE_END_LENGTH) + 1;
static_assert(OUTPUT_TEXT_SIZE == 3201, "the largest batch and its NUL");

}  // namespace kestrune
