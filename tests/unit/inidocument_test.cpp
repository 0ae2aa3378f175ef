#include "framework/IniDocument.h"
#include "tests/unit/SceneryTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using fw::IniDocument;

// Every way of writing the same lines loads to the same document and saves to the same bytes.
TEST(IniDocument, LineEndsCommentsAndBlankLines) {
    const std::string expected = "[A]\r\nk=1\r\nplain line\r\n\r\n[B]\r\nk=2\r\n\r\n";
    const std::string inputs[] = {
        "[A]\r\nk=1\r\nplain line\r\n[B]\r\nk=2\r\n",
        "[A]\nk=1\nplain line\n[B]\nk=2\n",
        "[A]\rk=1\rplain line\r[B]\rk=2",
        "[A]\n\r\nk=1\r\rplain line\n\n\n[B]\n;k=0\nk=2",
        "before=dropped\n; comment\n[A]\nk=1\n;comment\nplain line\n\n[B]\nk=2\n",
        std::string("[A]\nk=1\nplain line\n[B]\nk=2\n\0[C]\nk=3\n", 34),
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        EXPECT_EQ(IniDocument::Parse(input).Serialize(), expected);
    }
}

TEST(IniDocument, LinesStayAsTheyAre) {
    const IniDocument doc = IniDocument::Parse("[ A ]\n  k = v \n[Area.002] \n[]\nx=\n[\n[B\nB]\n");
    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{" A ", ""}));
    EXPECT_EQ(doc.Serialize(), "[ A ]\r\n  k = v \r\n[Area.002] \r\n\r\n[]\r\nx=\r\n[\r\n[B\r\nB]\r\n\r\n");
    EXPECT_EQ(doc.ReadString(" a ", "  k ", "-"), " v ");
    EXPECT_EQ(doc.ReadString("", "x", "-"), "");
    EXPECT_EQ(doc.ReadString("A", "k", "-"), "-");
}

TEST(IniDocument, EmptyDocumentSavesAnEmptyFile) {
    EXPECT_EQ(IniDocument::Parse("").Serialize(), "");
    EXPECT_EQ(IniDocument::Parse("; only a comment\r\nand=a stray line\r\n").Serialize(), "");
    EXPECT_EQ(IniDocument().SectionNames().size(), 0u);
}

TEST(IniDocument, KeysAreTheTextBeforeTheFirstEqualsSign) {
    const IniDocument doc =
        IniDocument::Parse("[Area.001]\nLayer = 5\nLAYER= 7\nlayer=8\nLocal=a=b\nno key\n=empty key\n");
    EXPECT_EQ(doc.ReadString("area.001", "Layer", "-"), " 7");
    EXPECT_EQ(doc.ReadString("AREA.001", "Layer ", "-"), " 5");
    EXPECT_EQ(doc.ReadString("Area.001", "local", "-"), "a=b");
    EXPECT_EQ(doc.ReadString("Area.001", "no key", "-"), "-");
    EXPECT_EQ(doc.ReadString("Area.001", "", "-"), "empty key");
    EXPECT_EQ(doc.ReadString("Area.002", "Layer", "fallback"), "fallback");
}

TEST(IniDocument, DuplicateSectionsListedLookupsFindTheFirst) {
    IniDocument doc = IniDocument::Parse("[S]\nk=1\n[Other]\n[s]\nk=2\n");
    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{"S", "Other", "s"}));
    EXPECT_EQ(doc.ReadString("s", "k", ""), "1");
    doc.WriteString("s", "k", "9");
    EXPECT_EQ(doc.Serialize(), "[S]\r\nk=9\r\n\r\n[Other]\r\n\r\n[s]\r\nk=2\r\n\r\n");

    // Erasing removes the first; the next of that name is found from then on.
    doc.EraseSection("S");
    EXPECT_EQ(doc.ReadString("S", "k", ""), "2");
    EXPECT_TRUE(doc.SectionExists("S"));
    doc.EraseSection("S");
    EXPECT_FALSE(doc.SectionExists("s"));
    doc.EraseSection("S"); // absent: no error
    EXPECT_EQ(doc.Serialize(), "[Other]\r\n\r\n");
}

TEST(IniDocument, WritesReplaceInPlaceOrAppend) {
    IniDocument doc = IniDocument::Parse("[Area.001]\nTitle=T\nACTIVE=FALSE\nLayer = 1\nActive=second\n[Z]\n");
    doc.WriteString("area.001", "Active", "TRUE");
    doc.WriteString("Area.001", "Layer", "2");
    doc.WriteString("Area.001", "Remote", "");
    doc.WriteString("Area.002", "Title", "New");
    doc.WriteString("Area.002", "Local", "L");
    EXPECT_EQ(doc.Serialize(), "[Area.001]\r\nTitle=T\r\nActive=TRUE\r\nLayer = 1\r\nActive=second\r\nLayer=2\r\n"
                               "Remote=\r\n\r\n[Z]\r\n\r\n[Area.002]\r\nTitle=New\r\nLocal=L\r\n\r\n");
    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{"Area.001", "Z", "Area.002"}));
}

TEST(IniDocument, LoadAndSaveThroughTheFileServices) {
    scenery_test::TempDir dir;
    const std::string file = dir.Path("scenery.cfg");

    IniDocument::LoadResult missing = IniDocument::Load(file);
    EXPECT_TRUE(missing.ok);
    EXPECT_TRUE(missing.document.SectionNames().empty());
    EXPECT_TRUE(IniDocument::Load(dir.Path()).ok); // a folder of that name reads as missing

    scenery_test::WriteBytes(file, "[A]\nk=1\n");
    IniDocument::LoadResult load = IniDocument::Load(file);
    ASSERT_TRUE(load.ok);
    load.document.WriteString("A", "k", "2");
    ASSERT_TRUE(load.document.Save(file).ok);
    EXPECT_EQ(scenery_test::ReadBytes(file), "[A]\r\nk=2\r\n\r\n");

    ::chmod(scenery_test::Native(file).c_str(), 0444);
    const platform::WriteResult refused = IniDocument().Save(file);
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.error.empty());
    EXPECT_EQ(scenery_test::ReadBytes(file), "[A]\r\nk=2\r\n\r\n");
}

} // namespace
