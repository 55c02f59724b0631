#include "io/qt_printers.h"
#include "io/unique_file_name.h"

#include <gtest/gtest.h>

TEST(NumberedFileName, NumberIsInsertedBeforeTheExtension)
{
    const struct
    {
        const char* FPath;
        const char* FThird;
    } cases[] = {
        {"/f/1.png", "/f/1 (3).png"},       {"/f/code", "/f/code (3)"},
        {"/f/a.tar.gz", "/f/a.tar (3).gz"}, {"/f/.png", "/f/ (3).png"},
        {"/f.d/name", "/f.d/name (3)"},     {"rel.bmp", "rel (3).bmp"},
    };
    for (const auto& c : cases) {
        const TNumberedFileName name(QString::fromUtf8(c.FPath));
        EXPECT_EQ(name.Candidate(1), QString::fromUtf8(c.FPath));
        EXPECT_EQ(name.Candidate(3), QString::fromUtf8(c.FThird));
    }
}
