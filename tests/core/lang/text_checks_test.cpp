#include "text_checks.h"

#include <gtest/gtest.h>

namespace kr::test {
namespace {

// The checks of the language files are only worth something if they catch
// the faults a translator makes; each row is one such fault or a text that
// must pass.
TEST(PatternFault, AcceptsPatternsThatShowEveryArgument)
{
    const struct {
        const char* Text;
        const char* Args;
    } good[] = {
        {"%d. The oil flow must be between %.1f %s and %.1f %s.", "dfsfs"},
        {"%d. Højden skal ligge mellem %.0f %s og %.3f %s.", "dfsfs"},
        {"Rabatt %d%%", "d"},
        {"%1:s, printed by %0:s", "ss"},
        {"Pressure loss at %g cSt", "f"},
        {"%s", "s"},
    };
    for (const auto& c : good)
        EXPECT_EQ(PatternFault(c.Text, c.Args), "") << c.Text;
}

TEST(PatternFault, RejectsPatternsThatDoNotFitTheirCaller)
{
    const struct {
        const char* Text;
        const char* Args;
    } bad[] = {
        {"%d. The oil flow must be between %d %s and %d %s.", "dfsfs"},  // integer conversion for a float
        {"%d. The oil flow must be between %.1f %s.", "dfsfs"},          // drops two arguments
        {"%s. Enter the oil flow.", "d"},                                 // text conversion for the number
        {"%d. %.1f %s %.1f %s %s", "dfsfs"},                              // one conversion too many
        {"Dear customer,", "s"},                                          // never shows the name
        {"%0:s and %0:s", "ss"},                                          // the second one twice instead
        {"Discount %d %", "d"},                                           // "% " is no conversion: malformed
        {"%.2s", "s"},                                                    // cuts the text short
    };
    for (const auto& c : bad)
        EXPECT_NE(PatternFault(c.Text, c.Args), "") << c.Text;
}

TEST(FormatSpecFault, FindsSpecsInTextsThatAreNeverFormatted)
{
    EXPECT_EQ(FormatSpecFault("Price discount"), "");
    EXPECT_EQ(FormatSpecFault("Discount in % of the gross price"), "");
    EXPECT_EQ(FormatSpecFault("Price discount (%)"), "");
    EXPECT_EQ(FormatSpecFault("100 %"), "");
    EXPECT_NE(FormatSpecFault("Technical data of %s"), "");
    EXPECT_NE(FormatSpecFault("Oil flow %.1f"), "");
    EXPECT_NE(FormatSpecFault("%1:s first"), "");
    EXPECT_NE(FormatSpecFault("%-10d wide"), "");
    EXPECT_NE(FormatSpecFault("20 %% more"), "");
}

TEST(Cp1252FileFault, AcceptsWindows1252LinesEndedByCrLf)
{
    EXPECT_EQ(Cp1252FileFault("LANGUAGE=Dansk\r\nOil flow=Oliem\xE6ngde\r\n"), "");
    EXPECT_EQ(Cp1252FileFault("A=Gr\xFC\xDF\x65 \x80 \xB0" "C\r\n"), "");  // ü ß € °
}

TEST(Cp1252FileFault, NamesTheFirstFaultyLine)
{
    const struct {
        const char* Bytes;
        const char* Fault;
    } bad[] = {
        {"A=1\r\nB=2", "the last line is not ended by CR LF"},
        {"A=1\nB=2\r\n", "line 1: LF without CR"},
        {"A=1\r\nB=2\rC=3\r\n", "line 2: CR without LF"},
        {"A=1\r\nB=\t2\r\n", "line 2: control character 9"},
        {"A=\x81\r\n", "line 1: byte 129 is no Windows-1252 character"},
        {"A=1\r\nB=Oliem\xC3\xA6ngde\r\n", "line 2: bytes that read as UTF-8; the file must be Windows-1252"},
        {"\xEF\xBB\xBFLANGUAGE=English\r\n", "line 1: bytes that read as UTF-8; the file must be Windows-1252"},
    };
    for (const auto& c : bad)
        EXPECT_EQ(Cp1252FileFault(c.Bytes), c.Fault) << c.Bytes;
}

}  // namespace
}  // namespace kr::test
