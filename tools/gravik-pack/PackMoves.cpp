#include "PackMoves.h"

#include <climits>

static constexpr char kLetters[] = {'.', 'u', 'd', 'l', 'r', 'U', 'D', 'L', 'R'};
static constexpr GvInputBits kInputs[] = {0, 1, 2, 4, 8, 17, 18, 20, 24};

static int inputOfLetter(char letter) {
    for (std::size_t i = 0; i < sizeof kLetters; ++i) {
        if (kLetters[i] == letter) {
            return kInputs[i];
        }
    }
    return -1;
}

static void append(GvInputRecording& moves, GvInputBits input, int count) {
    if (!moves.empty() && moves.back().moves == input) {
        GvInputRun& last = moves.back();
        last.count = count > INT_MAX - last.count ? INT_MAX : last.count + count;
        return;
    }
    moves.push_back(GvInputRun{input, count});
}

static bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool PackMoves::parse(std::string_view text, GvInputRecording& moves, std::string& error) {
    moves.clear();
    error.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
            continue;
        }
        const char letter = text[i];
        const std::string position = std::to_string(i + 1);
        const int input = inputOfLetter(letter);
        if (input < 0) {
            error = "Invalid move '" + std::string(1, letter) + "' at position " + position +
                    " (moves are . u d l r U D L R, each followed by a count).";
            return false;
        }
        ++i;
        long long count = 0;
        const std::size_t digits = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            count = count * 10 + (text[i] - '0');
            if (count > INT_MAX) {
                error = "The count of the move at position " + position + " is too large.";
                return false;
            }
            ++i;
        }
        if (i == digits) {
            error = "The move '" + std::string(1, letter) + "' at position " + position +
                    " has no count.";
            return false;
        }
        if (count == 0) {
            error = "The move at position " + position + " has a count of 0.";
            return false;
        }
        append(moves, input, static_cast<int>(count));
    }
    return true;
}

GvInputRecording PackMoves::fromDemo(const std::vector<GvDemoStep>& demo) {
    GvInputRecording moves;
    for (const GvDemoStep& step : demo) {
        if (step.count > 0) {
            append(moves, step.moves, step.count);
        }
    }
    return moves;
}

std::string PackMoves::format(const GvInputRecording& moves) {
    std::string text;
    for (const GvInputRun& run : moves) {
        char letter = '?';
        for (std::size_t i = 0; i < sizeof kLetters; ++i) {
            if (kInputs[i] == run.moves) {
                letter = kLetters[i];
            }
        }
        text += letter + std::to_string(run.count);
    }
    return text;
}

long long PackMoves::tickCount(const GvInputRecording& moves) {
    long long ticks = 0;
    for (const GvInputRun& run : moves) {
        ticks += run.count > 0 ? run.count : 0;
    }
    return ticks;
}
