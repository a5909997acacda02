#pragma once

#include "formats/GvCommandBuilder.h"
#include "formats/GvParser.h"
#include "formats/OrbValueListSpec.h"
#include "formats/OrbValueSpec.h"
#include "formats/OrbValueStringTable.h"
#include "formats/OrbValueStringTableHolder.h"
#include "platform/OrbUncopyable.h"
#include "sim/GvPackedObjectType.h"
#include "sim/GvPhysics.h"

#include <memory>
#include <string>
#include <vector>

class GvCaveDef;
class GvCaveVariant;
class GvLevelPack;

// The frame the program's own text formats, old and current, share: lines of a
// keyword and its values with quoted texts, a version line first, the pack's
// texts, caves and macros at the top level, caves and macros drawn with the same
// commands, and macros as blocks of drawing lines closed by "}". A format names
// its words, checks its version and reads its own cave blocks; drawing lines go
// to the shared command builder.
class GvTextParser : public GvParser {
public:
    // What a format calls its objects (in object-code order), its physics and its
    // raw characters (in object-code order), with the value descriptions that read
    // them, and its own keywords (in the order of its keyword enumeration). A format
    // makes its names once; they must outlive its parsers.
    struct Names : OrbUncopyable {
        template <std::size_t N, std::size_t M, std::size_t K>
        Names(const char* const (&objects)[N], const char* const (&physicsNames)[M],
              const char* raw, const char* const (&keywordNames)[K])
            : objectTable(OrbValueStringTable<GvPackedObjectType>::fromKeywords(
                  objects, GvPackedObjectType::none)),
              physicsTable(
                  OrbValueStringTable<GvPhysics>::fromKeywords(physicsNames, GvPhysics::gravik_1)),
              object(OrbValueSpec::enumName(OrbValueStringTableHolder(objectTable))),
              physics({OrbValueSpec::enumName(OrbValueStringTableHolder(physicsTable))}),
              rawAlphabet(raw), keywords(OrbValueStringTable<int>::fromKeywords(keywordNames, -1)) {
        }

        const OrbValueStringTable<GvPackedObjectType> objectTable;
        const OrbValueStringTable<GvPhysics> physicsTable;
        const OrbValueSpec object;
        const OrbValueListSpec physics;
        const char* const rawAlphabet;
        const OrbValueStringTable<int> keywords;
    };

    ~GvTextParser() override;

    std::unique_ptr<GvLevelPack> parse(OrbStream& stream, std::vector<std::string>* messages,
                                       bool headerOnly) final;

    // A slime permeability as stored: the fraction of 1 in 65536ths, rounded.
    static int permeability(float fraction);

protected:
    // The words both formats share, looked up before the format's own: the
    // version line, the six texts that packs and caves carry, the blocks, the end
    // of a block and the cave's physics, wrap and intermission lines.
    enum class FrameWord {
        version,
        name,
        description,
        author,
        date,
        web,
        email,
        cave,
        macro,
        close_brace,
        physics,
        wrap,
        intermission,
        none
    };

    // One line: its first word as a frame word, or else its place in the format's
    // keyword table (-1 for a word the format does not know), and the values
    // after it.
    struct Line {
        FrameWord frame = FrameWord::none;
        int keyword = -1;
        std::string word;
        std::string values;
    };

    explicit GvTextParser(const Names& names);

    // Throws when the values of the version line name a version this reader
    // cannot read.
    virtual void checkVersion(const std::string& values) = 0;
    // A top-level line other than the first version line, a text, a cave or a
    // macro; false when the format has no such line there.
    virtual bool readPackLine(const Line& line, bool sawCave) = 0;
    // The block of a cave of the given size, after its size.
    virtual void readCave(int width, int height) = 0;
    // What a complete pack needs after its checks; nothing by default.
    virtual void finishPack(GvLevelPack& pack);
    // The drawing command a keyword names; false for a keyword that draws nothing.
    virtual bool drawingCommand(const Line& line, GvCommandBuilder::Command& command) const = 0;

    // Reads the line that must hold a lone "{".
    void expectOpenBrace();
    // A keyword that takes no values must stand alone on its line.
    static void noValues(const std::string& values);
    // Appends the steps of a demo string (letters each followed by a repeat count)
    // to the variant's demo. With `refuseOverflow`, a step that would push a merged
    // count past the int range is a syntax error; otherwise the count saturates.
    static void appendDemoText(const std::string& steps, GvCaveVariant& variant,
                               bool refuseOverflow);

    // The next non-empty line split at its first space into its keyword and values;
    // false at the end. Only a space separates them, so "name<tab>..." is a single
    // unknown word.
    bool nextLine(Line& line);
    // The next line inside a block that "{" opened; false at its closing "}", which
    // takes no values. Input that ends first lacks the "}".
    bool nextBlockLine(Line& line);
    // The format's keyword enumeration for a line, whose `unknown` stands for a
    // word the format does not know.
    template <typename Keyword> static Keyword keywordOf(const Line& line) {
        return line.keyword < 0 ? Keyword::unknown : static_cast<Keyword>(line.keyword);
    }
    // The lines every cave block reads alike: its texts, physics, wrap and
    // intermission. False for another line.
    bool readCaveLine(const Line& line, GvCaveDef& cave);
    // The place of a text keyword among the six texts, or -1 for another line.
    int textIndex(const Line& line) const;
    // False when the line is not a drawing command.
    bool readDrawingCommand(const Line& line, GvCommandBuilder::CommandList& list);

    // The quoted text that is a line's only value.
    static std::string quotedText(const std::string& values);
    // One of the texts packs and caves both carry, by its place in the order name,
    // description, author, date, web, email.
    template <typename Owner> static std::string& textField(Owner& owner, int index) {
        std::string* const fields[] = {&owner.name, &owner.description, &owner.author,
                                       &owner.date, &owner.web,         &owner.email};
        return *fields[index];
    }

    std::unique_ptr<GvLevelPack> pack_;
    std::unique_ptr<GvCommandBuilder> commands_;

private:
    // Reads the whole pack into pack_, or up to the first cave or macro when
    // `headerOnly`, and hands it over.
    std::unique_ptr<GvLevelPack> readPack(bool headerOnly);
    // The block of a macro, after its name.
    void readMacro(const std::string& name);

    const Names& names_;
    // The text `nextLine` reads into, kept so that its buffer is reused.
    std::string text_;
};
