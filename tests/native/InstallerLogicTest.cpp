#include "InstallFolder.h"
#include "SetupProgress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

TEST(InstallFolder, ChosenFolderGivesTheInstallFolder)
{
    struct Case {
        std::u16string chosen;
        std::u16string expected;
    };
    const std::vector<Case> cases = {
        {u"D:\\Tools", u"D:\\Tools\\MarvonTablora\\"},
        {u"D:\\Tools\\", u"D:\\Tools\\MarvonTablora\\"},  // already ends in a backslash: no second one
        {u"D:\\", u"D:\\MarvonTablora\\"},                // a drive root
        {u"D:\\MarvonTablora", u"D:\\MarvonTablora\\"},
        {u"E:\\MarvonTablora\\old", u"E:\\MarvonTablora\\old\\"},
        {u"E:\\MarvonTablora\\old\\", u"E:\\MarvonTablora\\old\\"},
        {u"E:\\marvontablora", u"E:\\marvontablora\\MarvonTablora\\"},  // the name is case-sensitive
        {u"E:\\MarvonTablora2", u"E:\\MarvonTablora2\\MarvonTablora\\"},  // only the whole folder name counts
        {u"E:\\Data\\MarvonTabloraX\\y", u"E:\\Data\\MarvonTabloraX\\y\\MarvonTablora\\"},
        {u"\\\\server\\share\\MarvonTablora", u"\\\\server\\share\\MarvonTablora\\"},
        // the name counts only after the first character
        {u"\\MarvonTablora", u"\\MarvonTablora\\MarvonTablora\\"},
        {u"C:\\\u6587\u4ef6\\MarvonTablora", u"C:\\\u6587\u4ef6\\MarvonTablora\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(Narrow(InstallFolderFor(c.chosen)), Narrow(c.expected)) << Narrow(c.chosen);
}

TEST(InstallFolder, LongPathIsKeptWhole)
{
    std::u16string chosen = u"C:\\" + std::u16string(400, u'd');
    std::u16string folder = InstallFolderFor(chosen);
    EXPECT_EQ(folder.size(), chosen.size() + 1 + 14);
    EXPECT_EQ(folder.substr(0, chosen.size()), chosen);
}

TEST(InstallerLanguageFile, IndexSelectsTheFile)
{
    EXPECT_EQ(Narrow(LanguageFileName(0)), "tlrc_lang_ch.ini");
    EXPECT_EQ(Narrow(LanguageFileName(1)), "tlrc_lang_en.ini");
    EXPECT_EQ(Narrow(LanguageFileName(2)), "tlrc_lang_other.ini");
    EXPECT_EQ(Narrow(LanguageFileName(7)), "tlrc_lang_other.ini");
    EXPECT_EQ(Narrow(LanguageFileName(-1)), "tlrc_lang_other.ini");
}

TEST(SetupProgress, NineStepsGiveElevenToHundred)
{
    std::vector<int> positions;
    for (int step = 0; step <= kInstallStepCount; ++step) positions.push_back(ProgressPosition(step));
    EXPECT_EQ(positions, (std::vector<int>{0, 11, 22, 33, 44, 55, 66, 77, 88, 100}));
}

TEST(SetupProgress, NeverBetweenEightyEightAndHundred)
{
    for (int step = 0; step <= 50; ++step) {
        int position = ProgressPosition(step);
        EXPECT_TRUE(position <= 88 || position == 100) << step << " gives " << position;
        EXPECT_LE(position, 100) << step;
    }
}

}  // namespace
