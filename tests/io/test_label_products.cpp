#include "io/label_products.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QString Fixtures = QStringLiteral(LINTARO_LABEL_TEMPLATES_DIR);

TLabelProductCatalogue LoadSystem()
{
    return TLabelProductCatalogue::Load({Fixtures + QStringLiteral("/system")});
}

struct TGrid
{
    double Left, Top, StepAcross, StepDown, Width, Height;
};

// Every label of the sheet sits where the product's grid puts it.
void ExpectGrid(const TLabelSheet& sheet, const TGrid& grid)
{
    for (int i = 0; i < sheet.LabelsPerPage(); ++i) {
        SCOPED_TRACE(i);
        const QRectF label = sheet.LabelRect(i);
        EXPECT_NEAR(label.left(), grid.Left + i % sheet.Columns * grid.StepAcross, 1e-5);
        EXPECT_NEAR(label.top(), grid.Top + i / sheet.Columns * grid.StepDown, 1e-5);
        EXPECT_NEAR(label.width(), grid.Width, 1e-5);
        EXPECT_NEAR(label.height(), grid.Height, 1e-5);
        EXPECT_LE(label.right(), sheet.Page.width() + 1e-9);
        EXPECT_LE(label.bottom(), sheet.Page.height() + 1e-9);
    }
}

QString WriteTemplate(const QTemporaryDir& dir, const QByteArray& body)
{
    QFile file(dir.filePath(QStringLiteral("made-templates.xml")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Glabels-templates>\n" + body + "\n</Glabels-templates>\n");
    return dir.path();
}
} // namespace

// Any spelling of brand and part finds the product; an alias has the labels of the product it
// names; lengths in every unit of the files land in millimetres.
TEST(LabelProducts, NamesFindTheProductsGrid)
{
    const TLabelProductCatalogue catalogue = LoadSystem();
    struct TCase
    {
        const char* Name;
        const char* Found;
        QSizeF Page;
        int Columns, Rows;
        TGrid Grid;
    };
    const TCase cases[] = {
        {"Acme 100", "Acme 100", {210, 297}, 3, 8, {0, 0.5, 70, 37, 70, 37}},
        {"acme-100", "Acme 100", {210, 297}, 3, 8, {0, 0.5, 70, 37, 70, 37}},
        {" ACME_100 ", "Acme 100", {210, 297}, 3, 8, {0, 0.5, 70, 37, 70, 37}},
        {"Acme 200", "Acme 200", {210, 297}, 3, 8, {0, 0.5, 70, 37, 70, 37}},
        {"7160", "Beta 7160", {210, 297}, 3, 7, {7.2, 15.1, 66, 38.1, 63.5, 38.1}},
        {"acme 300", "Acme 300", {215.9, 279.4}, 3, 10, {4.7625, 12.7, 69.85, 25.4, 66.675, 25.4}},
        {"Acme O5", "Acme O5", {100, 50}, 2, 2, {5, 3, 50, 24, 40, 20}},
        // 0.3 mm wider than the page: every label starts where the product says, a little
        // narrower.
        {"Acme 400", "Acme 400", {210, 297}, 3, 1, {0, 0, 70.1, 0, 69.8, 30}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TLabelProductLookup lookup = catalogue.Find(QLatin1String(c.Name));
        ASSERT_TRUE(lookup.Product) << lookup.Error.toStdString();
        EXPECT_EQ(lookup.Product->Name(), QLatin1String(c.Found));
        const TLabelSheet& sheet = lookup.Product->Sheet.value();
        EXPECT_NEAR(sheet.Page.width(), c.Page.width(), 1e-6);
        EXPECT_NEAR(sheet.Page.height(), c.Page.height(), 1e-6);
        EXPECT_EQ(sheet.Columns, c.Columns);
        EXPECT_EQ(sheet.Rows, c.Rows);
        ExpectGrid(sheet, c.Grid);
    }
    const TLabelProduct& alias = *catalogue.Find(QStringLiteral("Acme 200")).Product;
    EXPECT_EQ(alias.SameAs, QStringLiteral("Acme 100"));
    EXPECT_EQ(alias.Description, QStringLiteral("Address labels"));
}

// A name matching nothing, several products or a label this program cannot fill says so.
TEST(LabelProducts, NamesThatFindNoSheetSayWhy)
{
    const TLabelProductCatalogue catalogue = LoadSystem();
    const std::pair<const char*, const char*> cases[] = {
        {"100", "names 2 label products: Acme 100, Beta 100; add the brand"},
        {"Shape Drawn", "Shape Drawn cannot be filled: its labels are <Label-path>"},
        {"Shape Spilled", "the labels of grid 2 reach beyond the page"},
        {"Shape Crowded", "the labels of grid 2 overlap"},
        {"Shape Holed", "no label product is named"},
        {"Acme 999", "no label product is named \"Acme 999\""},
        {"Acme 500", "no label product is named"},
        {"Acme 600", "no label product is named"},
        {"Zed 1", "no label product is named"},
        {"--", "no label product is named"},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        const TLabelProductLookup lookup = catalogue.Find(QLatin1String(name));
        EXPECT_FALSE(lookup.Product);
        EXPECT_TRUE(lookup.Error.contains(QLatin1String(message))) << lookup.Error.toStdString();
    }
    EXPECT_TRUE(catalogue.Find(QStringLiteral("Acme 999")).Unknown);
    EXPECT_FALSE(catalogue.Find(QStringLiteral("Shape Drawn")).Unknown);
    EXPECT_FALSE(catalogue.Find(QStringLiteral("100")).Unknown);
}

// Every shape keeps its outline: the box it is placed by, its corners, a CD's disc and hole.
TEST(LabelProducts, ShapesKeepTheirOutline)
{
    const TLabelProductCatalogue catalogue = LoadSystem();
    struct TCase
    {
        const char* Name;
        TLabelShape Shape;
        QSizeF Label;
        double CornerRadius, Radius, HoleRadius;
        int Labels;
    };
    const TCase cases[] = {
        {"Shape Rounded", TLabelShape::lsRectangle, {60, 30}, 6, 0, 0, 27},
        {"Acme 300", TLabelShape::lsRectangle, {66.675, 25.4}, 0, 0, 0, 30},
        {"Shape Oval", TLabelShape::lsEllipse, {80, 40}, 0, 0, 0, 12},
        {"Shape Disc", TLabelShape::lsCd, {116, 116}, 0, 58, 11, 2},
        {"Shape Card disc", TLabelShape::lsCd, {60, 70}, 0, 40, 10, 9},
        {"Shape Mixed", TLabelShape::lsRound, {30, 30}, 0, 0, 0, 4},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TLabelProductLookup lookup = catalogue.Find(QLatin1String(c.Name));
        ASSERT_TRUE(lookup.Product) << lookup.Error.toStdString();
        const TLabelSheet& sheet = *lookup.Product->Sheet;
        EXPECT_EQ(sheet.Outline.Shape, c.Shape);
        EXPECT_NEAR(sheet.Label.width(), c.Label.width(), 1e-5);
        EXPECT_NEAR(sheet.Label.height(), c.Label.height(), 1e-5);
        EXPECT_NEAR(sheet.Outline.CornerRadius, c.CornerRadius, 1e-5);
        EXPECT_NEAR(sheet.Outline.Radius, c.Radius, 1e-5);
        EXPECT_NEAR(sheet.Outline.HoleRadius, c.HoleRadius, 1e-5);
        EXPECT_EQ(sheet.LabelsPerPage(), c.Labels);
    }
}

// Several layouts are filled one after the other, each along its rows, then the next page.
TEST(LabelProducts, LayoutsAreFilledInTurn)
{
    const TLabelProductCatalogue catalogue = LoadSystem();
    const std::pair<const char*, std::vector<QPointF>> cases[] = {
        {"Acme D2",
         {{10, 10},
          {70, 10},
          {10, 35},
          {70, 35},
          {10, 60},
          {70, 60},
          {10, 85},
          {70, 85},
          {10, 110},
          {70, 110},
          {140, 20},
          {140, 45},
          {140, 70},
          {140, 95},
          {140, 120}}},
        {"Shape Mixed", {{10, 10}, {50, 10}, {100, 50}, {100, 90}}},
    };
    for (const auto& [name, corners] : cases) {
        SCOPED_TRACE(name);
        const TLabelProductLookup lookup = catalogue.Find(QLatin1String(name));
        ASSERT_TRUE(lookup.Product) << lookup.Error.toStdString();
        const TLabelSheet& sheet = *lookup.Product->Sheet;
        ASSERT_EQ(std::size_t(sheet.LabelsPerPage()), corners.size());
        for (std::size_t i = 0; i < corners.size(); ++i) {
            SCOPED_TRACE(i);
            for (const int page : {0, 1}) {
                const QRectF label = sheet.LabelRect(page * sheet.LabelsPerPage() + int(i));
                EXPECT_NEAR(label.left(), corners[i].x(), 1e-5);
                EXPECT_NEAR(label.top(), corners[i].y(), 1e-5);
                EXPECT_NEAR(label.width(), sheet.Label.width(), 1e-5);
            }
        }
    }
}

// What was not read is reported with its file, and the rest of the folder still is.
TEST(LabelProducts, UnreadableTemplatesAreReportedAndSkipped)
{
    const TLabelProductCatalogue catalogue = LoadSystem();
    const QString problems = catalogue.Problems().join(QLatin1Char('\n'));
    for (const char* expected :
         {"broken-templates.xml", "Acme 500 skipped: <Label-rectangle> width=\"wide\"",
          "Acme 600 is the same as Acme 999, which is not described",
          "Shape Holed skipped: <Label-cd> has a hole as large as the label"})
        EXPECT_TRUE(problems.contains(QLatin1String(expected))) << problems.toStdString();
    EXPECT_TRUE(catalogue.Find(QStringLiteral("Beta 7160")).Product);
}

// The user's own template of a product replaces the system's.
TEST(LabelProducts, LaterFoldersReplaceProducts)
{
    const TLabelProductCatalogue both = TLabelProductCatalogue::Load(
        {Fixtures + QStringLiteral("/system"), Fixtures + QStringLiteral("/user")});
    const TLabelProduct* mine = both.Find(QStringLiteral("Acme 300")).Product;
    ASSERT_TRUE(mine);
    EXPECT_EQ(mine->Description, QStringLiteral("Mine"));
    EXPECT_EQ(mine->Sheet->LabelsPerPage(), 1);
    EXPECT_EQ(LoadSystem().Find(QStringLiteral("Acme 300")).Product->Sheet->LabelsPerPage(), 30);
    EXPECT_TRUE(TLabelProductCatalogue::Load({}).Find(QStringLiteral("Acme 100")).Unknown);
}

// Every word must be in the name, the description or the alias.
TEST(LabelProducts, MatchingNeedsEveryWord)
{
    const TLabelProductCatalogue catalogue = LoadSystem();
    const auto names = [&](const QStringList& words) {
        QStringList found;
        for (const TLabelProduct* product : catalogue.Matching(words))
            found << product->Name();
        return found;
    };
    EXPECT_EQ(names({QStringLiteral("address")}),
              (QStringList{QStringLiteral("Acme 100"), QStringLiteral("Acme 200")}));
    EXPECT_EQ(names({QStringLiteral("BETA"), QStringLiteral("100")}),
              QStringList{QStringLiteral("Beta 100")});
    EXPECT_EQ(names({QStringLiteral("acme-o5")}), QStringList{QStringLiteral("Acme O5")});
    EXPECT_TRUE(names({QStringLiteral("acme"), QStringLiteral("nothing")}).isEmpty());
    EXPECT_EQ(names({}).size(), qsizetype(catalogue.Products().size()));
}

// Template files come from anywhere: out-of-range and malformed values skip the product
// rather than reaching the page.
TEST(LabelProducts, HostileValuesAreRefused)
{
    const QByteArray good = R"(<Layout nx="2" ny="2" x0="5mm" y0="5mm" dx="50mm" dy="30mm"/>)";
    const std::pair<QByteArray, const char*> cases[] = {
        {R"(<Label-rectangle width="nan" height="20mm">)" + good, "width=\"nan\""},
        {R"(<Label-rectangle width="-40mm" height="20mm">)" + good, "width=\"-40mm\""},
        {R"(<Label-rectangle width="1e9mm" height="20mm">)" + good, "width=\"1e9mm\""},
        {R"(<Label-rectangle width="40furlongs" height="20mm">)" + good, "width=\"40furlongs\""},
        {R"(<Label-rectangle width="40mm" height="20mm">)"
         R"(<Layout nx="100000" ny="1" x0="0" y0="0" dx="1mm" dy="0"/>)",
         "nx is not a whole number"},
        {R"(<Label-rectangle width="40mm" height="20mm">)"
         R"(<Layout nx="-1" ny="1" x0="0" y0="0" dx="1mm" dy="0"/>)",
         "nx is not a whole number"},
        {R"(<Label-rectangle width="40mm">)" + good, "has no height"},
    };
    for (const auto& [label, message] : cases) {
        SCOPED_TRACE(message);
        const QTemporaryDir dir;
        const QString folder = WriteTemplate(
            dir, R"(<Template brand="Bad" part="1" size="Other" width="100mm" height="100mm">)" +
                     label + "</Label-rectangle></Template>");
        const TLabelProductCatalogue catalogue = TLabelProductCatalogue::Load({folder});
        EXPECT_TRUE(catalogue.Products().empty());
        const QString problems = catalogue.Problems().join(QLatin1Char('\n'));
        EXPECT_TRUE(problems.contains(QLatin1String(message))) << problems.toStdString();
    }
}

// A file larger than any template file is not read at all.
TEST(LabelProducts, OversizedFilesAreNotRead)
{
    const QTemporaryDir dir;
    const QByteArray product =
        R"(<Template brand="Big" part="1" size="Other" width="100mm" height="100mm">)"
        R"(<Label-rectangle width="40mm" height="20mm"><Layout nx="1" ny="1" x0="0" y0="0"/>)"
        "</Label-rectangle></Template>\n";
    const QString folder = WriteTemplate(dir, product + QByteArray(5 * 1024 * 1024, ' '));
    const TLabelProductCatalogue catalogue = TLabelProductCatalogue::Load({folder});
    EXPECT_TRUE(catalogue.Products().empty());
    EXPECT_TRUE(catalogue.Problems().join(QLatin1Char('\n')).contains(QLatin1String("not read")));
}

// Well-known products of the installed glabels-data resolve to their sizes there.
TEST(LabelProducts, InstalledDatabaseHasWellKnownProducts)
{
    if (!QDir(LabelProductFolders().front()).exists())
        GTEST_SKIP() << "glabels-data is not installed";
    const TLabelProductCatalogue& catalogue = InstalledLabelProducts();
    struct TCase
    {
        const char* Name;
        const char* Found;
        int Columns, Rows;
        double Width, Height;
    };
    const TCase cases[] = {
        {"Avery 5160", "Avery 5160", 3, 10, 66.675, 25.4},
        {"avery-5160", "Avery 5160", 3, 10, 66.675, 25.4},
        {"Avery 5260", "Avery 5260", 3, 10, 66.675, 25.4},
        // glabels-data gives these labels as 181.4 x 108 pt.
        {"L7160", "Avery L7160", 3, 7, 181.4 / 72 * 25.4, 38.1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TLabelProductLookup lookup = catalogue.Find(QLatin1String(c.Name));
        ASSERT_TRUE(lookup.Product) << lookup.Error.toStdString();
        EXPECT_EQ(lookup.Product->Name(), QLatin1String(c.Found));
        EXPECT_EQ(lookup.Product->Sheet->Columns, c.Columns);
        EXPECT_EQ(lookup.Product->Sheet->Rows, c.Rows);
        EXPECT_NEAR(lookup.Product->Sheet->Label.width(), c.Width, 0.1);
        EXPECT_NEAR(lookup.Product->Sheet->Label.height(), c.Height, 0.1);
    }
    EXPECT_EQ(catalogue.Find(QStringLiteral("Avery 5260")).Product->SameAs,
              QStringLiteral("Avery 5160"));
    EXPECT_TRUE(ReadLabelSheet(QStringLiteral("Avery 5160")).Sheet);
}
