#include "PackToolTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A 5 x 4 cave: the in box, a diamond and the out box in a row above dirt. The
// player hatches in tick 2 (with 1.5 seconds left, which the countdown announces),
// collects in tick 3 and leaves in tick 4.
const char* const kTinyPack = "gravik 3\n"
                              "variants 2\n"
                              "name \"Tiny\"\n"
                              "cave 5, 4\n"
                              "{\n"
                              "\tname \"Row\"\n"
                              "\tpre_game_ticks 1\n"
                              "\tgame_ticks 10, 5\n"
                              "\tset 1, 1, in_box\n"
                              "\tset 2, 1, diamond\n"
                              "\tset 3, 1, out_box\n"
                              "\tvariant 1\n"
                              "\t{\n"
                              "\t\tdemo\n"
                              "\t\t{\n"
                              "\t\t\t\".2r2\"\n"
                              "\t\t}\n"
                              "\t}\n"
                              "}\n";

const char* const kTinyFinish = "tick 0 state 0 diamonds 0/1 left 11 events 000000\n"
                                "WWWWW\n"
                                "WPdXW\n"
                                "W...W\n"
                                "WWWWW\n"
                                "\n"
                                "tick 1 state 0 diamonds 0/1 left 10 events 000000\n"
                                "WWWWW\n"
                                "WPdXW\n"
                                "W...W\n"
                                "WWWWW\n"
                                "\n"
                                "tick 2 state 1 diamonds 0/1 left 9 events 004001\n"
                                "WWWWW\n"
                                "W@dXW\n"
                                "W...W\n"
                                "WWWWW\n"
                                "\n"
                                "tick 3 state 1 diamonds 1/1 left 8 events 000018\n"
                                "WWWWW\n"
                                "W @XW\n"
                                "W...W\n"
                                "WWWWW\n"
                                "\n"
                                "tick 4 state 1 diamonds 1/1 left 7 events 000000\n"
                                "WWWWW\n"
                                "W  @W\n"
                                "W...W\n"
                                "WWWWW\n"
                                "\n"
                                "tick 5 state 2 diamonds 1/1 left 6 events 000000\n"
                                "WWWWW\n"
                                "W  @W\n"
                                "W...W\n"
                                "WWWWW\n"
                                "\n";

class PackCommands : public ::testing::Test {
protected:
    PackTempFolder folder;
    std::string tiny = folder.write("tiny.grv", kTinyPack);
    std::string broken = folder.write("broken.grv", "gravik 3\ncave 5, 4\n{\n\tset 1, 1\n}\n");
    std::string missing = folder.path("missing.grv");
};

} // namespace

TEST_F(PackCommands, HelpNamesEveryCommandAndBadCommandLinesFail) {
    const PackRun help = runPack({"--help"});
    EXPECT_EQ(0, help.code);
    EXPECT_EQ("", help.err);
    for (const char* name : {"check PACK", "info PACK", "map PACK LEVEL", "trace PACK LEVEL",
                             "verify PACK", "@standard", "--solutions", "--ticks", "--demo"}) {
        EXPECT_NE(std::string::npos, help.out.find(name)) << name;
    }
    const PackRun traceHelp = runPack({"trace", "--help"});
    EXPECT_EQ(0, traceHelp.code);
    EXPECT_EQ(0u, traceHelp.out.find("usage: gravik-pack trace PACK LEVEL"));
    EXPECT_EQ(traceHelp.out, runPack({"help", "trace"}).out);

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{}, {"pack"}, {"--help", "nothing"}, {"-x"}}) {
        const PackRun run = runPack(args);
        EXPECT_EQ(2, run.code);
        EXPECT_EQ("", run.out);
        EXPECT_NE("", run.err);
    }
}

TEST_F(PackCommands, CheckPrintsTheGameMessages) {
    PackRun run = runPack({"check", tiny});
    EXPECT_EQ(0, run.code);
    EXPECT_EQ("ok: 1 caves, 2 variants\n", run.out);

    run = runPack({"check", missing});
    EXPECT_EQ(1, run.code);
    EXPECT_EQ("", run.out);
    EXPECT_EQ("Unable to open 'missing.grv'.\n", run.err);

    run = runPack({"check", broken});
    EXPECT_EQ(1, run.code);
    EXPECT_EQ("Unable to load 'broken.grv':\n\nWrong number of values on line 4.\n", run.err);

    // One bad pack among good ones fails the whole check, and each ok line is named.
    run = runPack({"check", tiny, broken, tiny});
    EXPECT_EQ(1, run.code);
    EXPECT_EQ(tiny + ": ok: 1 caves, 2 variants\n" + tiny + ": ok: 1 caves, 2 variants\n", run.out);
    EXPECT_EQ("Unable to load 'broken.grv':\n\nWrong number of values on line 4.\n", run.err);

    const std::string notPack = folder.write("notes.grv", "; only a comment\n");
    run = runPack({"check", notPack});
    EXPECT_EQ("Unable to load 'notes.grv':\n\nThis file is not in a recognized level pack "
              "format.\n",
              run.err);

    EXPECT_EQ(2, runPack({"check"}).code);
    EXPECT_EQ(2, runPack({"check", "--quiet", tiny}).code);
}

TEST_F(PackCommands, InfoListsCavesVariantsAndDigests) {
    const PackRun run = runPack({"info", tiny});
    ASSERT_EQ(0, run.code) << run.err;
    EXPECT_EQ(0u, run.out.find("name: \"Tiny\"\n"));
    EXPECT_NE(std::string::npos, run.out.find("caves: 1, variants: 2, levels: 2\n"));
    EXPECT_NE(std::string::npos,
              run.out.find("cave A \"Row\": size 5x4, wrap none, view scrolling, physics "
                           "gravik_1, bonus no\n"));
    EXPECT_NE(std::string::npos, run.out.find("variant 1 (A-1, level 0): tick_rate 6, "
                                              "game_ticks 10, pre_game_ticks 1,"));
    EXPECT_NE(std::string::npos, run.out.find("locked no, demo 4 ticks, digest "));
    EXPECT_NE(std::string::npos, run.out.find("variant 2 (A-2, level 1): tick_rate 6, "
                                              "game_ticks 5,"));
    // Two digests of 32 lower-case hex digits that differ (the variants differ).
    std::vector<std::string> digests;
    for (std::size_t at = run.out.find("digest "); at != std::string::npos;
         at = run.out.find("digest ", at + 1)) {
        digests.push_back(run.out.substr(at + 7, run.out.find('\n', at) - at - 7));
    }
    ASSERT_EQ(2u, digests.size());
    for (const std::string& digest : digests) {
        EXPECT_EQ(32u, digest.size());
        EXPECT_EQ(std::string::npos, digest.find_first_not_of("0123456789abcdef"));
    }
    EXPECT_NE(digests[0], digests[1]);

    EXPECT_EQ(1, runPack({"info", broken}).code);
    EXPECT_EQ(2, runPack({"info"}).code);
    EXPECT_EQ(2, runPack({"info", tiny, tiny}).code);
}

TEST_F(PackCommands, MapPrintsTheBuiltLevel) {
    PackRun run = runPack({"map", tiny, "a-1"});
    EXPECT_EQ(0, run.code) << run.err;
    EXPECT_EQ("WWWWW\nWPdXW\nW...W\nWWWWW\n", run.out);
    EXPECT_EQ(run.out, runPack({"map", tiny, "1"}).out);

    run = runPack({"map", tiny, "A-3"});
    EXPECT_EQ(2, run.code);
    EXPECT_EQ("", run.out);
    EXPECT_EQ("gravik-pack map: The pack has no level 'A-3' (levels 0 to 1, A-1 to A-2).\n",
              run.err);
    EXPECT_EQ(1, runPack({"map", missing, "0"}).code);
    EXPECT_EQ(2, runPack({"map", tiny}).code);
    EXPECT_EQ(2, runPack({"map", tiny, "0", "1"}).code);
}

TEST_F(PackCommands, TraceFramesUntilCompleted) {
    const PackRun run = runPack({"trace", tiny, "A-1", "--input", ".2r2"});
    EXPECT_EQ(0, run.code) << run.err;
    EXPECT_EQ("", run.err);
    EXPECT_EQ(kTinyFinish, run.out);
    // The demo is the same input; level numbers and codes name the same level.
    EXPECT_EQ(kTinyFinish, runPack({"trace", tiny, "0", "--demo"}).out);
    EXPECT_EQ(kTinyFinish, runPack({"trace", "--input", ".1 .1 r1 r1", tiny, "a-1"}).out);
}

TEST_F(PackCommands, TraceStopsAtTheFrameLimitOrWhenTheInputRunsOut) {
    // Three frames: the built world and two ticks.
    PackRun run = runPack({"trace", tiny, "A-1", "--demo", "--ticks", "3"});
    EXPECT_EQ(0, run.code);
    EXPECT_EQ(std::string(kTinyFinish).substr(0, std::string(kTinyFinish).find("tick 3 ")),
              run.out);

    // The input runs out after tick 2: the level ends in the next due tick.
    run = runPack({"trace", tiny, "A-1", "--input", ".2"});
    EXPECT_EQ(0, run.code);
    EXPECT_EQ(std::string::npos, run.out.find("tick 4 "));
    EXPECT_NE(std::string::npos, run.out.find("tick 3 state 3 diamonds 0/1 left 8 events"));

    // With no input at all the player stands still until the frame limit.
    run = runPack({"trace", tiny, "A-2", "--ticks", "5"});
    EXPECT_EQ(0, run.code);
    EXPECT_NE(std::string::npos, run.out.find("tick 4 state 1 diamonds 0/1 left 2 events 000000\n"
                                              "WWWWW\nW@dXW\n"));
    EXPECT_EQ(std::string::npos, run.out.find("tick 5 "));

    // Without input the time runs out: variant 2 has 1 + 5 ticks.
    run = runPack({"trace", tiny, "A-2"});
    EXPECT_EQ(0, run.code);
    EXPECT_NE(std::string::npos, run.out.find("tick 6 state 3 diamonds 0/1 left 0 events"));
    EXPECT_EQ(std::string::npos, run.out.find("tick 7 "));
}

TEST_F(PackCommands, TraceRejectsBadCommandLines) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"trace", tiny}, "gravik-pack trace: expected PACK LEVEL.\n"},
        {{"trace", tiny, "0", "--input", "r2", "--demo"},
         "gravik-pack trace: --input and --demo exclude each other.\n"},
        {{"trace", tiny, "0", "--input"}, "gravik-pack trace: --input needs a value.\n"},
        {{"trace", tiny, "0", "--input", "r2x"},
         "gravik-pack trace: Invalid move 'x' at position 3 (moves are . u d l r U D L R, each "
         "followed by a count).\n"},
        {{"trace", tiny, "0", "--ticks", "0"},
         "gravik-pack trace: --ticks needs a whole number of at least 1, not '0'.\n"},
        {{"trace", tiny, "0", "--ticks", "12x"},
         "gravik-pack trace: --ticks needs a whole number of at least 1, not '12x'.\n"},
        {{"trace", tiny, "0", "--fast"}, "gravik-pack trace: unknown option '--fast'.\n"},
        {{"trace", tiny, "A-2", "--demo"}, "gravik-pack trace: level A-2 has no demo.\n"},
        {{"trace", tiny, "B-1"},
         "gravik-pack trace: The pack has no level 'B-1' (levels 0 to 1, A-1 to A-2).\n"},
    };
    for (const auto& [args, message] : cases) {
        const PackRun run = runPack(args);
        EXPECT_EQ(2, run.code) << message;
        EXPECT_EQ("", run.out) << message;
        EXPECT_EQ(message, run.err);
    }
    const PackRun run = runPack({"trace", broken, "0"});
    EXPECT_EQ(1, run.code);
    EXPECT_EQ("Unable to load 'broken.grv':\n\nWrong number of values on line 4.\n", run.err);
}

TEST_F(PackCommands, VerifyPlaysDemosAndSolutions) {
    const std::string solutions = folder.write("solutions.txt", "; the tiny pack\n"
                                                                "\n"
                                                                "A-1 .2 r2   ; straight through\n"
                                                                "1 .2r1 r1\n");
    PackRun run = runPack({"verify", tiny, "--solutions", solutions});
    EXPECT_EQ(0, run.code) << run.err;
    EXPECT_EQ("A-1 demo: Completed, diamonds 1/1, left 6 ticks\n"
              "A-1 solution (line 3): Completed, diamonds 1/1, left 6 ticks\n"
              "A-2 solution (line 4): Completed, diamonds 1/1, left 1 ticks\n"
              "demos: 1 played, 1 completed\n"
              "solutions: 2 played, 2 completed\n"
              "levels without a completed solution: none\n",
              run.out);

    // Without solutions only the demos are played.
    run = runPack({"verify", tiny});
    EXPECT_EQ(0, run.code);
    EXPECT_EQ("A-1 demo: Completed, diamonds 1/1, left 6 ticks\ndemos: 1 played, 1 completed\n",
              run.out);
}

TEST_F(PackCommands, VerifyFailsForSolutionsThatDoNotComplete) {
    // Input that stops short of the out box ends the replay before the level is done.
    const std::string solutions = folder.write("solutions.txt", "A-1 .2r1\nA-2 .1 r2\nA-1 .2r2\n");
    const PackRun run = runPack({"verify", tiny, "--solutions", solutions});
    EXPECT_EQ(1, run.code);
    EXPECT_NE(std::string::npos,
              run.out.find("A-1 solution (line 1): Ended, diamonds 1/1, left 7 ticks  FAILED\n"));
    EXPECT_NE(std::string::npos, run.out.find("A-2 solution (line 2): Ended, "));
    EXPECT_NE(std::string::npos, run.out.find("solutions: 3 played, 1 completed\n"));
    EXPECT_NE(std::string::npos, run.out.find("levels without a completed solution: A-2\n"));
    EXPECT_EQ("gravik-pack verify: 2 of 3 solutions did not complete.\n", run.err);
}

TEST_F(PackCommands, VerifyRejectsUnusableSolutionFiles) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"A-1 r2\nC-1 r2\n", ":2: The pack has no level 'C-1' (levels 0 to 1, A-1 to A-2).\n"},
        {"A-1 r2 q1\n", ":1: Invalid move 'q' at position 5"},
        {"\n\nA-1 ; nothing\n", ":3: the level has no moves.\n"},
    };
    for (const auto& [text, message] : cases) {
        const std::string path = folder.write("bad.txt", text);
        const PackRun run = runPack({"verify", tiny, "--solutions", path});
        EXPECT_EQ(2, run.code) << text;
        EXPECT_EQ("", run.out) << text;
        EXPECT_EQ(0u, run.err.find("gravik-pack verify: " + path + message)) << run.err;
    }
    PackRun run = runPack({"verify", tiny, "--solutions", missing});
    EXPECT_EQ(2, run.code);
    EXPECT_EQ("gravik-pack verify: cannot open the solutions file '" + missing + "'.\n", run.err);
    run = runPack({"verify", tiny, "--solutions", folder.path("")});
    EXPECT_EQ(2, run.code);
    EXPECT_EQ(2, runPack({"verify", tiny, "--solutions"}).code);
    EXPECT_EQ(2, runPack({"verify"}).code);
    EXPECT_EQ(2, runPack({"verify", tiny, "--all"}).code);
    EXPECT_EQ(1, runPack({"verify", missing}).code);
}

TEST_F(PackCommands, VerifyStrictAlsoRequiresTheDemosToComplete) {
    const std::string shortDemo = folder.write(
        "short.grv", "gravik 3\ncave 5, 4\n{\n\tpre_game_ticks 1\n\tset 1, 1, in_box\n"
                     "\tset 2, 1, diamond\n\tset 3, 1, out_box\n\tvariant 1\n\t{\n\t\tdemo\n"
                     "\t\t{\n\t\t\t\".2r1\"\n\t\t}\n\t}\n}\n");
    PackRun run = runPack({"verify", shortDemo});
    EXPECT_EQ(0, run.code);
    EXPECT_EQ("A-1 demo: Ended, diamonds 1/1, left 717 ticks\ndemos: 1 played, 0 completed\n",
              run.out);
    run = runPack({"verify", shortDemo, "--strict"});
    EXPECT_EQ(1, run.code);
    EXPECT_EQ("gravik-pack verify: 1 of 1 demos did not complete.\n", run.err);
}

TEST_F(PackCommands, VerifyStopsOnceThePlayerIsGone) {
    // The player digs out from under a boulder and steps back: the boulder falls on
    // it. The long wait after that must not keep the world ticking.
    const std::string crushed = folder.write(
        "crushed.grv", "gravik 3\ncave 5, 6\n{\n\tpre_game_ticks 1\n\tset 1, 1, boulder\n"
                       "\tset 1, 3, in_box\n\tset 3, 4, diamond\n\tset 3, 1, out_box\n}\n");
    const std::string solutions = folder.write("solutions.txt", "A-1 .2u1d1.2000000000\n");
    const PackRun run = runPack({"verify", crushed, "--solutions", solutions});
    EXPECT_EQ(1, run.code);
    EXPECT_EQ("A-1 solution (line 1): PlayerGone, diamonds 0/1, left 711 ticks  FAILED\n"
              "demos: 0 played, 0 completed\n"
              "solutions: 1 played, 0 completed\n"
              "levels without a completed solution: A-1\n",
              run.out);
}

TEST_F(PackCommands, StatsCountsWhatTheCaveHoldsAndTheTimeTheSolutionUses) {
    // Two diamonds (one falling) and a butterfly in the bottom right corner, whose
    // block holds four cells that are not steel.
    const std::string pack = folder.write("stats.grv", "gravik 3\n"
                                                       "variants 2\n"
                                                       "cave 8, 5\n"
                                                       "{\n"
                                                       "\tpre_game_ticks 1\n"
                                                       "\tgame_ticks 20, 8\n"
                                                       "\tdiamond_quota 1, 2\n"
                                                       "\traw 1, 1, \"PdX\"\n"
                                                       "\tset 1, 3, diamond_f\n"
                                                       "\tset 6, 3, butterfly_l\n"
                                                       "}\n");
    const std::string solutions = folder.write("solutions.txt", "A-1 .2r2\n");
    PackRun run = runPack({"stats", pack, "--solutions", solutions});
    EXPECT_EQ(1, run.code);
    EXPECT_EQ("level  quota  diamonds  butterflies  to-be-had  ticks  used  share\n"
              "A-1        1         2            1          6     20     4    20%\n"
              "A-2        2         2            1          6      8     -      -\n",
              run.out);
    EXPECT_EQ("gravik-pack stats: 1 of 2 levels have no completing solution.\n", run.err);

    // Without solutions only the cave's own figures count.
    run = runPack({"stats", pack});
    EXPECT_EQ(0, run.code) << run.err;
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"stats"}, {"stats", pack, "--solutions"}, {"stats", pack, "--fast"}}) {
        EXPECT_EQ(2, runPack(args).code) << args.back();
    }
    EXPECT_EQ(1, runPack({"stats", missing}).code);
}
