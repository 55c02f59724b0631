#include "io/image_format.h"
#include "io/stored_settings.h"
#include "io/stored_settings_migration.h"
#include "platform/user_store.h"
#include "stored_settings_sample.h"
#include "support/temporary_folder.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {
const QString Group = QStringLiteral("Window");

class StoredSettingsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FHome.Path());
    }

    TTemporaryFolder FHome;
};

TEST_F(StoredSettingsTest, EveryKeyComesBackAsItWasSaved)
{
    const TStoredSettings saved = ChangedStoredSettings();
    {
        TUserStore store(Group);
        SaveStoredSettings(saved, store);
    }
    const TUserStore store(Group);
    const TStoredLoad load = LoadStoredSettings(store);
    EXPECT_TRUE(load.Refused.isEmpty()) << load.Refused.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(store.ReadInteger(StoredSchemaVersionKey, 0), StoredSchemaVersion);
    const TStoredSettings defaults;
    for (const TStoredKey& key : StoredKeys()) {
        EXPECT_NE(key.Write(saved), key.Write(defaults)) << key.Key << " keeps its default";
        EXPECT_EQ(key.Write(load.Settings), key.Write(saved)) << key.Key;
        EXPECT_EQ(store.ReadString(QLatin1String(key.Key)), key.Write(saved)) << key.Key;
    }
}

TEST_F(StoredSettingsTest, EachKeyReadsBackItsOwnDefault)
{
    const TStoredSettings defaults;
    for (const TStoredKey& key : StoredKeys()) {
        TStoredSettings settings = ChangedStoredSettings();
        ASSERT_TRUE(key.Read(key.Write(defaults), settings)) << key.Key;
        EXPECT_EQ(key.Write(settings), key.Write(defaults)) << key.Key;
    }
}

// A text the key cannot hold leaves the default in effect and is named.
TEST_F(StoredSettingsTest, DamagedOrForeignTextsFallBackToTheirDefaults)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Foreground", "red"},
        {"Foreground", "#12"},
        {"Font", ""},
        {"ShowText", "1"},
        {"HexagonScale", "0"},
        {"HexagonScale", "nan"},
        {"AdjustMode", "1"},
        {"AdjustMode", "stretch"},
        {"HAlign", "Links"},
        {"MinModuleWidth", "-1"},
        {"MaxModuleWidth", "1e30"},
        {"Margin", "1,2,3"},
        {"Margin", "1,2,3,x"},
        {"Padding", "1,2,3,-4"},
        {"BorderUnit", "inches"},
        {"WhitespaceAllSame", "yes"},
        {"ImageSize", "2"},
        {"FixedImageSize", "0x10"},
        {"FixedImageSize", "10.5x10"},
        {"FixedImageSize", "40000x10"},
        {"ModuleSizeMode", "cm"},
        {"ModuleSize", "2.5"},
        {"ModuleSize", "0"},
        {"ModuleSize", "2,5"},
        {"BarHeight", "inf"},
        {"Dpi", "0"},
        {"Dpi", "300.5"},
        {"Dpi", "1e9"},
        {"Dpi", "abc"},
        {"CaptionSize", "-12"},
        {"Symbology", "20"},
        {"Symbology", "zsNOSUCH"},
        {"ExportFormat", "TIFF"},
        {"ExportFormat", "0"},
        {"FileNames", "{x"},
        {"LabelSheet", "a4,3x80,70x37,0,0"},
        {"LabelText2", "{col:name"},
        {"LabelText1Size", "0"},
        {"LabelText4Size", "145"},
        {"LabelText3Align", "middle"},
        {"LabelTextLayout", "above"},
        {"LabelKeepsModule", "1"},
    };
    for (const auto& [key, text] : cases) {
        {
            TUserStore store(Group);
            store.WriteString(QLatin1String(key), QLatin1String(text));
        }
        const TStoredLoad load = LoadStoredSettings(TUserStore(Group));
        EXPECT_EQ(load.Refused, QStringList{QLatin1String(key)}) << key << " = " << text;
        for (const TStoredKey& stored : StoredKeys())
            EXPECT_EQ(stored.Write(load.Settings), stored.Write(TStoredSettings()))
                << key << " = " << text << " changed " << stored.Key;
        TUserStore(Group).Remove(QLatin1String(key));
    }
}

// The old store: widget names, list indices and numbers in the user's locale.
TEST_F(StoredSettingsTest, AStoreWrittenTheOldWayIsMigratedOnce)
{
    const QMap<QString, QString> old = {
        {QStringLiteral("Symbology"), QString::number(int(TZintSymbology::zsQRCODE))},
        {QStringLiteral("ColorBox1"), QStringLiteral("#ff102030")},
        {QStringLiteral("cbHRT"), QStringLiteral("0")},
        {QStringLiteral("edMHS"), QStringLiteral("0,75")},
        {QStringLiteral("cbRAM"), QStringLiteral("1")},
        {QStringLiteral("comHAlign"), QStringLiteral("2")},
        {QStringLiteral("comVAlign"), QStringLiteral("7")},
        {QStringLiteral("fboMargin.edTop"), QStringLiteral("1,5")},
        {QStringLiteral("fboMargin.edLeft"), QStringLiteral("2")},
        {QStringLiteral("fboMargin.edRight"), QString()},
        {QStringLiteral("fboMargin.edBottom"), QStringLiteral("4")},
        {QStringLiteral("fboMargin.cbUnits"), QStringLiteral("0")},
        {QStringLiteral("fboMargin.cbAllSame"), QStringLiteral("1")},
        {QStringLiteral("fboBorder.edTop"), QStringLiteral("abc")},
        {QStringLiteral("comImageSize"), QStringLiteral("2")},
        {QStringLiteral("edImageWidth"), QStringLiteral("640")},
        {QStringLiteral("edImageHeight"), QStringLiteral("480")},
        {QStringLiteral("comModuleSize"), QStringLiteral("1")},
        {QStringLiteral("edModuleSize"), QStringLiteral("0,33")},
        {QStringLiteral("comBarHeight"), QStringLiteral("4")},
        {QStringLiteral("edDpi"), QStringLiteral("gs1-128")},
        {QStringLiteral("comCaptionSize"), QStringLiteral("2")},
        {QStringLiteral("edCaptionSize"), QStringLiteral("6")},
        {QStringLiteral("ComboBox1"), QStringLiteral("1")},
        {QStringLiteral("edFileNames"), QStringLiteral("{n:04}")},
        {QStringLiteral("Options/QRCodeOptions.ECCLevel"), QStringLiteral("2")},
        {QStringLiteral("Geometry"), QStringLiteral("AdnQywADAAA=")},
    };
    {
        TUserStore store(Group);
        for (auto value = old.cbegin(); value != old.cend(); ++value)
            store.WriteString(value.key(), value.value());
        EXPECT_TRUE(MigrateStoredSettings(store, QLocale(QLocale::German)));
    }
    TUserStore store(Group);
    const TStoredLoad load = LoadStoredSettings(store);
    EXPECT_TRUE(load.Refused.isEmpty()) << load.Refused.join(QLatin1Char(' ')).toStdString();
    const TStoredSettings& settings = load.Settings;
    const TStoredSettings defaults;
    EXPECT_EQ(settings.Symbology, TZintSymbology::zsQRCODE);
    EXPECT_EQ(settings.Render.Foreground, QColor(0x10, 0x20, 0x30));
    EXPECT_FALSE(settings.Render.ShowText);
    EXPECT_EQ(settings.Render.HexagonScale, 0.75f);
    EXPECT_EQ(settings.Render.AdjustMode, TZintRenderAdjustMode::ramInflate);
    EXPECT_EQ(settings.Render.HAlign, TZintHAlign::haRight);
    EXPECT_EQ(settings.Render.VAlign, defaults.Render.VAlign);
    EXPECT_EQ(settings.Bands[0].Unit, TLengthUnit::luModules);
    EXPECT_TRUE(settings.Bands[0].AllSame);
    EXPECT_EQ(settings.Render.Margin.Top.Modules, 1.5f);
    EXPECT_EQ(settings.Render.Margin.Left.Modules, 2);
    EXPECT_EQ(settings.Render.Margin.Right.Modules, 0);
    EXPECT_EQ(settings.Render.Margin.Bottom.Modules, 4);
    EXPECT_EQ(settings.Render.Margin.Top.TargetUnits, 0);
    EXPECT_EQ(settings.Render.Border.Top.TargetUnits, 0);
    EXPECT_EQ(settings.Render.ImageSize, TImageSizeMode::ismFixed);
    EXPECT_EQ(settings.Render.FixedImageSize, QSize(640, 480));
    EXPECT_EQ(settings.Render.ModuleSizeMode, TModuleSizeMode::msmMillimetres);
    EXPECT_EQ(settings.Render.ModuleSize, 0.33f);
    EXPECT_EQ(settings.Render.BarHeightMode, TBarHeightMode::bhmFill);
    EXPECT_EQ(settings.Render.Dpi, defaults.Render.Dpi);
    EXPECT_EQ(settings.Render.CaptionSizeMode, TCaptionSizeMode::csmModules);
    EXPECT_EQ(settings.Render.CaptionSize, 6);
    EXPECT_EQ(settings.ExportFormat, QLatin1String(ImageFormats[1].Name));
    EXPECT_EQ(settings.FileNames, QStringLiteral("{n:04}"));

    // The widget names are gone; what the schema does not hold stays as it was.
    for (const char* retired : {"ColorBox1", "cbRAM", "fboMargin.edTop", "fboBorder.edTop",
                                "edImageWidth", "ComboBox1", "edDpi"})
        EXPECT_FALSE(store.Contains(QLatin1String(retired))) << retired;
    EXPECT_EQ(store.ReadString(QStringLiteral("Options/QRCodeOptions.ECCLevel")),
              QStringLiteral("2"));
    EXPECT_EQ(store.ReadString(QStringLiteral("Geometry")), QStringLiteral("AdnQywADAAA="));

    // Once: a later change is not overwritten by a second migration.
    store.WriteString(QStringLiteral("Dpi"), QStringLiteral("1200"));
    EXPECT_FALSE(MigrateStoredSettings(store, QLocale(QLocale::German)));
    EXPECT_EQ(LoadStoredSettings(store).Settings.Render.Dpi, 1200);
}

// Earlier versions stored their fixed primary message at every start: it is no choice of the
// user's and would put "1234567890" in front of every MaxiCode text.
TEST_F(StoredSettingsTest, TheOldFixedPrimaryMessageIsNotMigrated)
{
    const struct
    {
        const char* Stored;
        const char* Migrated; // nullptr: the default applies
    } cases[] = {{"1234567890", nullptr}, {"0123456789", "0123456789"}, {"", ""}};
    for (const auto& c : cases) {
        const TMigration migration = MigrateWindowValues(
            {{QStringLiteral("edPrimary"), QLatin1String(c.Stored)}}, QLocale::c());
        EXPECT_EQ(migration.Values.contains(QStringLiteral("PrimaryMessage")),
                  c.Migrated != nullptr)
            << c.Stored;
        if (c.Migrated) {
            EXPECT_EQ(migration.Values.value(QStringLiteral("PrimaryMessage")),
                      QLatin1String(c.Migrated));
        }
        EXPECT_TRUE(migration.Retired.contains(QStringLiteral("edPrimary"))) << c.Stored;
    }
}

TEST_F(StoredSettingsTest, OldListIndicesOutsideTheirListsAreDropped)
{
    const QMap<QString, QString> old = {
        {QStringLiteral("Symbology"), QStringLiteral("-1")},
        {QStringLiteral("cbRAM"), QStringLiteral("2")},
        {QStringLiteral("comQuietZones"), QStringLiteral("x")},
        {QStringLiteral("ComboBox1"), QString::number(ImageFormats.size())},
        {QStringLiteral("cbExactFit"), QStringLiteral("2")},
        {QStringLiteral("fboPadding.cbUnits"), QStringLiteral("-1")},
    };
    const TMigration migration = MigrateWindowValues(old, QLocale::c());
    EXPECT_TRUE(migration.Values.isEmpty())
        << migration.Values.keys().join(QLatin1Char(' ')).toStdString();
    for (auto value = old.cbegin(); value != old.cend(); ++value)
        if (value.key() != QLatin1String("Symbology")) {
            EXPECT_TRUE(migration.Retired.contains(value.key())) << value.key().toStdString();
        }
}

} // namespace
