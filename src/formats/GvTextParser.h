#pragma once

#include "formats/GvCommandBuilder.h"
#include "formats/GvParser.h"

#include <memory>
#include <string>
#include <vector>

class GvCaveVariant;
class GvLevelPack;
class OrbValueSpec;

// The frame the program's own text formats, old and current, share: lines of a
// keyword and its values with quoted texts, a version line first, the pack's
// texts, caves and macros at the top level, caves and macros drawn with the same
// commands, and macros as blocks of drawing lines closed by "}". A format names
// its words, checks its version and reads its own cave blocks; drawing lines go
// to the shared command builder.
class GvTextParser : public GvParser {
public:
    ~GvTextParser() override;

    std::unique_ptr<GvLevelPack> parse(OrbStream& stream, std::vector<std::string>* messages,
                                       bool headerOnly) final;

protected:
    // The words both formats share, looked up before the format's own: the
    // version line, the six texts that packs and caves carry, the blocks and the
    // end of a block.
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

    // `object` reads the format's object names and `rawAlphabet` lists its raw
    // characters in object-code order; both must outlive the parser.
    GvTextParser(const OrbValueSpec& object, const char* rawAlphabet);

    // The place of a word in the format's own keyword table, or -1.
    virtual int keywordIndex(const std::string& word) const = 0;
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

    const OrbValueSpec& object_;
    const char* rawAlphabet_;
};
