#include "base/zint_exception.h"
#include "io/entry_file_names.h"
#include "io/qt_printers.h"
#include "io/unique_file_name.h"

#include <gtest/gtest.h>

namespace {
// The name each entry is written under in an empty folder; "!" + the reason for one that
// cannot be named.
QStringList PlannedNames(const QString& pattern, const QStringList& texts)
{
    TEntryFileNames names(TNameTemplate::Parse(pattern), QStringLiteral(".png"));
    QStringList planned;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        try {
            const TEntryFileName name =
                names.Next({i + 1, texts.at(i), {QStringLiteral("SKU")}, {texts.at(i)}});
            planned << TNumberedFileName(name.Name).Candidate(name.FirstCandidate);
        } catch (const EZintException& error) {
            planned << u'!' + QString::fromUtf8(error.what());
        }
    }
    return planned;
}

QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}
} // namespace

TEST(EntryFileNames, EntriesOfTheSameNameAreAllWrittenInEntryOrder)
{
    EXPECT_EQ(PlannedNames(QStringLiteral("{text}"),
                           Texts({"a/b", "a:b", "a_b (2)", "a|b", "a_b", "..", "2", "x"})),
              Texts({"a_b.png", "a_b (2).png", "a_b (2) (2).png", "a_b (3).png", "a_b (4).png",
                     "6.png", "2.png", "x.png"}));
    // An earlier entry's numbered name is not handed out again.
    EXPECT_EQ(PlannedNames(QStringLiteral("{text}"), Texts({"x (2)", "x", "x"})),
              Texts({"x (2).png", "x.png", "x (3).png"}));
    EXPECT_EQ(PlannedNames(QStringLiteral("{col:SKU}-{n:03}"), Texts({"A", "B"})),
              Texts({"A-001.png", "B-002.png"}));
}

TEST(EntryFileNames, AnEntryTheTemplateCannotNameFailsAloneAndTakesNoName)
{
    EXPECT_EQ(PlannedNames(QStringLiteral("{col:2}{text}"), Texts({"a", "b"})),
              Texts({"!The file name field {col:2} cannot be filled: the entry has no column 2.",
                     "!The file name field {col:2} cannot be filled: the entry has no column 2."}));
    EXPECT_EQ(PlannedNames(QStringLiteral("{col:sku}"), Texts({"", "1", "1"})),
              Texts({"1.png", "1 (2).png", "1 (3).png"}))
        << "an empty cell falls back to the number, which then counts as taken";
}

TEST(EntryFileNames, ManyEntriesOfOneNameTakeConsecutiveNumbers)
{
    TEntryFileNames names(TNameTemplate::Parse(QStringLiteral("same")), QStringLiteral(".gif"));
    constexpr int Count = 2000;
    TEntryFileName last;
    for (int i = 1; i <= Count; ++i) {
        last = names.Next({i, {}, {}, {}});
        if (i == 1) {
            EXPECT_EQ(last.FirstCandidate, 1);
        }
    }
    EXPECT_EQ(last.FirstCandidate, Count);
    EXPECT_EQ(last.Name, QStringLiteral("same.gif"));
}

// Entries in different folders never share a name; the " (n)" of a repeated name counts
// within its folder.
TEST(EntryFileNames, NamesAreTakenPerSubfolder)
{
    TEntryFileNames names(TNameTemplate::Parse(QStringLiteral("{text}{n:03/1}")),
                          QStringLiteral(".png"));
    QStringList planned;
    for (const auto& [number, text] : std::initializer_list<std::pair<qint64, const char*>>{
             {15, "a/b"}, {16, "a/b"}, {5, "a/b"}, {25, "x"}, {115, "a/b"}})
        try {
            const TEntryFileName name = names.Next({number, QString::fromUtf8(text), {}, {}});
            planned << TNumberedFileName(name.RelativePath()).Candidate(name.FirstCandidate);
        } catch (const EZintException& error) {
            planned << u'!' + QString::fromUtf8(error.what());
        }
    EXPECT_EQ(planned, Texts({"0/1/a_b015.png", "0/1/a_b016.png", "0/0/a_b005.png", "0/2/x025.png",
                              "1/1/a_b115.png"}));
    // The same file name twice in one folder.
    TEntryFileNames same(TNameTemplate::Parse(QStringLiteral("{text}{n:02/1}")),
                         QStringLiteral(".png"));
    same.Next({1, QStringLiteral("a"), {}, {}});
    const TEntryFileName again = same.Next({1, QStringLiteral("a"), {}, {}});
    EXPECT_EQ(again.Folder, QStringLiteral("0"));
    EXPECT_EQ(again.FirstCandidate, 2);
    EXPECT_EQ(again.Name, QStringLiteral("a01.png"));
}
