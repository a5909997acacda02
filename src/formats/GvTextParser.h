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
// keyword and its values with quoted texts, caves and macros drawn with the same
// commands, and macros as blocks of drawing lines closed by "}". A format reads
// its own blocks in readPack; drawing lines go to the shared command builder.
class GvTextParser : public GvParser {
public:
    ~GvTextParser() override;

    std::unique_ptr<GvLevelPack> parse(OrbStream& stream, std::vector<std::string>* messages,
                                       bool headerOnly) final;

protected:
    // `object` reads the format's object names and `rawAlphabet` lists its raw
    // characters in object-code order; both must outlive the parser.
    GvTextParser(const OrbValueSpec& object, const char* rawAlphabet);

    // Reads the whole pack into pack_, or up to the first cave or macro when
    // `headerOnly`, and hands it over.
    virtual std::unique_ptr<GvLevelPack> readPack(bool headerOnly) = 0;
    // What a complete pack needs after its checks; nothing by default.
    virtual void finishPack(GvLevelPack& pack);
    // The drawing command a keyword names; false for a keyword that draws nothing.
    virtual bool drawingCommand(const std::string& keyword,
                                GvCommandBuilder::Command& command) const = 0;

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
    bool nextWords(std::string& keyword, std::string& values);
    // False when `keyword` is not a drawing command.
    bool readDrawingCommand(const std::string& keyword, const std::string& values,
                            GvCommandBuilder::CommandList& list);
    // The block of a macro, after its name.
    void readMacro(const std::string& name);

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
    const OrbValueSpec& object_;
    const char* rawAlphabet_;
    // The line `nextWords` reads into, kept so that its buffer is reused.
    std::string line_;
};
