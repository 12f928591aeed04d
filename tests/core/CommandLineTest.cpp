#include "common/Ini.h"
#include "output/CommandLine.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(CommandLine, OurOptionsStandAloneAndTheToolkitsPassThrough)
{
    EXPECT_EQ(ParseCommandLine({}).kind, CommandKind::Windows);
    for (const std::vector<std::string>& toolkit : std::vector<std::vector<std::string>>{
             {"-platform", "offscreen"}, {"--style", "-x"}, {"-style=Fusion", "-reverse"}, {"--webEngineArgs", "--x"}})
        EXPECT_EQ(ParseCommandLine(toolkit).kind, CommandKind::Windows) << toolkit.front();
    EXPECT_EQ(ParseCommandLine({"--generate", "Meine Seite"}).page, "Meine Seite");
    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"--generate", ""}, {"--generate", "A", "B"}, {"--list", "A"}, {"-x", "--list"}, {"--generat", "A"},
             {"-platform", "offscreen", "--bogus"}, {"-stile=Fusion"}})
        EXPECT_EQ(ParseCommandLine(wrong).kind, CommandKind::Error) << wrong.front() << " " << wrong.size();
}

class RunCommandTest : public testing::Test {
protected:
    int Run(std::vector<std::string> args)
    {
        out.str("");
        err.str("");
        return RunCommand(ParseCommandLine(args), program.dir.Path("Pinwall-Builder"), out, err);
    }
    ProgramFolder program;
    std::ostringstream out, err;
};

TEST_F(RunCommandTest, ListHelpAndVersionWriteToStandardOutput)
{
    program.dir.Put("PnwFiles/Reisen.pnw", "[Main]\r\nColumns=2\r\n");
    program.dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\n");
    program.dir.Put("PnwFiles/notes.txt", "");
    EXPECT_EQ(Run({"--list"}), 0);
    EXPECT_EQ(out.str(), "Home\nReisen\n");
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(out.str(), "Pinwall-Builder 1.0.0\n");
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.str().find("--generate SEITE"), std::string::npos);
    for (const std::vector<std::string>& unnamed : std::vector<std::vector<std::string>>{{"--generate"}, {"--generate", ""}}) {
        EXPECT_EQ(Run(unnamed), 2);
        EXPECT_TRUE(err.str().starts_with("Pinwall-Builder: --generate braucht den Namen einer Seite\nAufruf:"));
    }
    EXPECT_EQ(Run({"--bogus"}), 2);
    EXPECT_TRUE(err.str().starts_with("Pinwall-Builder: unbekannte Option --bogus\nAufruf:"));
}

TEST_F(RunCommandTest, GenerateWritesThePageOrSaysWhyNot)
{
    program.dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=2\r\n[Spalte1]\r\nCount=1\r\nEintrag1=Wetter\r\n"
                                         "[Wetter]\r\nLink=192.0.2.7/wetter\r\n");
    EXPECT_EQ(Run({"--generate", "Home"}), 0);
    EXPECT_EQ(err.str(), "");
    const std::string html = program.dir.Take("Pinwall/Home/index.html");
    EXPECT_NE(html.find("<a href=\"http://192.0.2.7/wetter\" target=\"_blank\">Wetter</a>"), std::string::npos);
    EXPECT_TRUE(html.ends_with("</HTML>\r\n\r\n"));
    EXPECT_EQ(ReadIni("Spalte2", "Count", program.dir.Path("PnwFiles/Home.pnw")), "0") << "all six columns stored";

    // A page file without any section of a link page still gives a page, but says so.
    program.dir.Put("PnwFiles/Notiz.pnw", "[Notiz]\r\nText=keine Seite\r\n");
    EXPECT_EQ(Run({"--generate", "Notiz"}), 0);
    EXPECT_EQ(err.str(), "Pinwall-Builder: Die Seitendatei " + program.dir.Path("PnwFiles/Notiz.pnw") +
                             " enthält keine Link-Seite; index.html wurde leer geschrieben.\n");
    EXPECT_TRUE(program.dir.Has("Pinwall/Notiz/index.html"));

    for (const char* missing : {"Nirgends", "../PnwFiles/Home"}) {
        EXPECT_EQ(Run({"--generate", missing}), 1);
        EXPECT_NE(err.str().find("gibt es nicht"), std::string::npos) << missing;
    }
    EXPECT_FALSE(program.dir.Has("Pinwall/Nirgends"));

    std::filesystem::remove_all(program.dir.Path("Pinwall/Home"));
    program.dir.Put("Pinwall/Home", "a file where the page folder belongs");
    EXPECT_EQ(Run({"--generate", "Home"}), 1);
    EXPECT_NE(err.str().find("Fehler beim Schreiben der Datei."), std::string::npos);
}
