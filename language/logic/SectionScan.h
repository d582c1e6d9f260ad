// The rules by which the language library finds one section in the lines of
// a text file and splits its lines into numeric keys and texts.
#pragma once

#include <cstdint>
#include <string>

// The key of a line, as the C runtime's wcstol reads it in base 10 where long
// is 32 bits wide: leading white space skipped, an optional sign, decimal
// digits up to the first other character; no digits give 0; a value beyond
// the 32-bit signed range is clamped to that range.
int32_t ParseKey(const char16_t* begin, const char16_t* end);
int32_t ParseKey(const std::u16string& key);

// What one line means to the scan of a section.
struct LineVerdict {
    enum Kind {
        Ignore,      // outside the section, a header, or "[" without "]"
        Entry,       // a key=text line of the section
        SectionEnd,  // the first header after the section: stop reading
    };
    Kind kind = Ignore;
    int32_t key = 0;
    size_t textStart = 0;  // the text runs from here to the end of the line
};

// Feeds the lines of a file (line ends already removed) one by one and says
// what each means for the section `name`. Only the first occurrence of the
// section is read: any line holding both "[" and "]" after it ends it.
class SectionScanner {
public:
    explicit SectionScanner(std::u16string name) : m_name(std::move(name)) {}

    // One whole line, its line end already removed.
    LineVerdict Classify(const std::u16string& line);

    // The same for a line handed over in pieces with its line end, so that
    // a line of any length costs memory only when its text may be stored:
    // BeginLine, AddToLine for each piece, then EndLine, which removes the
    // line end and sets `text` to the entry's text when the line is one.
    void BeginLine();
    void AddToLine(const std::u16string& piece);
    LineVerdict EndLine(std::u16string& text);

    bool InSection() const { return m_inSection; }

private:
    bool MayKeepMore() const;

    std::u16string m_name;
    bool m_inSection = false;

    // The line being handed over in pieces.
    std::u16string m_kept;  // the line so far, while it may still matter
    bool m_keeping = true;
    bool m_hasOpen = false;
    bool m_hasClose = false;
    size_t m_length = 0;
    char16_t m_last[2] = {0, 0};  // its last two code units
};
