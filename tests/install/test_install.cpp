// Installs the build as a package would (prefix /usr, into a DESTDIR), then runs and checks
// what was installed, and builds the Debian package from the same build.
#include "support/temporary_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {
const QString AppId = QStringLiteral(LINTARO_APP_ID);
const QString ProgramFolder = QStringLiteral("lib/lintaro/");
const QStringList Programs = {QStringLiteral("lintaro"), QStringLiteral("lintaro-batch")};
const QList<int> IconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// Everything the package installs, relative to the prefix.
QStringList InstalledFiles()
{
    QStringList files;
    for (const QString& program : Programs)
        files << QStringLiteral("bin/") + program << ProgramFolder + program;
    files << ProgramFolder + QStringLiteral("license.txt")
          << ProgramFolder + QStringLiteral("THIRD-PARTY-NOTICES")
          << ProgramFolder + QStringLiteral("Languages/LanguageCodes.csv")
          << QStringLiteral("share/applications/") + AppId + QStringLiteral(".desktop")
          << QStringLiteral("share/metainfo/") + AppId + QStringLiteral(".metainfo.xml")
          << QStringLiteral("share/icons/hicolor/scalable/apps/") + AppId + QStringLiteral(".svg")
          << QStringLiteral("share/man/man1/lintaro.1.gz")
          << QStringLiteral("share/man/man1/lintaro-batch.1.gz")
          << QStringLiteral("share/bash-completion/completions/lintaro-batch")
          << QStringLiteral("share/doc/lintaro/copyright")
          << QStringLiteral("share/doc/lintaro/changelog.gz");
    for (int size : IconSizes)
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) + AppId +
                     QStringLiteral(".png");
    return files;
}

struct TRun
{
    int ExitCode = -1;
    QString Output;
    QString Errors;
};

TRun RunProgram(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}, program + QStringLiteral(": ") + process.errorString()};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The long and short options that --help lists.
QStringList HelpOptions(const QString& help)
{
    QStringList options;
    static const QRegularExpression option(QStringLiteral("^  (?:(-\\w), )?(--[\\w-]+)"),
                                           QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& match : option.globalMatch(help)) {
        if (match.hasCaptured(1))
            options << match.captured(1);
        options << match.captured(2);
    }
    return options;
}
} // namespace

class InstalledTree : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        Root = std::make_unique<QTemporaryDir>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), Root->path());
        Installation = RunProgram(QStringLiteral(LINTARO_CMAKE),
                                  {QStringLiteral("--install"), QStringLiteral(LINTARO_BUILD_DIR),
                                   QStringLiteral("--prefix"), QStringLiteral("/usr")},
                                  environment);
    }
    static void TearDownTestSuite() { Root.reset(); }

    void SetUp() override
    {
        ASSERT_EQ(Installation.ExitCode, 0) << Installation.Errors.toStdString();
    }

    static QString Installed(const QString& path)
    {
        return Root->filePath(QStringLiteral("usr/") + path);
    }

    static TRun RunInstalled(const QString& program, const QStringList& arguments)
    {
        return RunProgram(Installed(QStringLiteral("bin/") + program), arguments);
    }

    static inline std::unique_ptr<QTemporaryDir> Root;
    static inline TRun Installation;
};

TEST_F(InstalledTree, ProgramFolderHoldsTheProgramsAndTheirFilesWithRelativeLinksInBin)
{
    for (const QString& file : InstalledFiles())
        EXPECT_TRUE(QFileInfo::exists(Installed(file))) << file.toStdString();

    for (const QString& program : Programs) {
        const QString link = Installed(QStringLiteral("bin/") + program);
        ASSERT_TRUE(QFileInfo(link).isSymLink()) << program.toStdString();
        // Relative, so the tree works wherever it is unpacked.
        EXPECT_EQ(std::filesystem::read_symlink(link.toStdString()).string(),
                  "../lib/lintaro/" + program.toStdString());
        EXPECT_TRUE(QFileInfo(Installed(ProgramFolder + program)).isExecutable());
    }
    EXPECT_EQ(ReadWholeFile(Installed(ProgramFolder + QStringLiteral("license.txt"))),
              ReadWholeFile(QStringLiteral(LINTARO_SOURCE_DIR "/LICENSE")));
    const QStringList languages =
        QDir(QStringLiteral(LINTARO_SOURCE_DIR "/Languages")).entryList(QDir::Files);
    EXPECT_EQ(QDir(Installed(ProgramFolder + QStringLiteral("Languages"))).entryList(QDir::Files),
              languages);

    // The desktop shows the window's own icon, at the size each theme folder promises.
    EXPECT_EQ(ReadWholeFile(Installed(QStringLiteral("share/icons/hicolor/scalable/apps/") + AppId +
                                      QStringLiteral(".svg"))),
              ReadWholeFile(QStringLiteral(LINTARO_SOURCE_DIR "/resources/artwork/lintaro.svg")));
    for (int size : IconSizes)
        EXPECT_EQ(QImage(Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) +
                                   AppId + QStringLiteral(".png")))
                      .size(),
                  QSize(size, size));
}

TEST_F(InstalledTree, BatchToolRunsThroughItsLink)
{
    const TRun version = RunInstalled(QStringLiteral("lintaro-batch"), {QStringLiteral("-v")});
    EXPECT_EQ(version.ExitCode, 0) << version.Errors.toStdString();
    EXPECT_EQ(version.Output, QStringLiteral("lintaro-batch " LINTARO_PROJECT_VERSION "\n"));

    const TTemporaryFolder work;
    const QString input = work.Write(QStringLiteral("texts.txt"), "LINTARO-1\nLINTARO-2\n");
    const QString out = work.FilePath(QStringLiteral("out"));
    const TRun batch = RunInstalled(QStringLiteral("lintaro-batch"),
                                    {QStringLiteral("-s"), QStringLiteral("code128"),
                                     QStringLiteral("--verify"), QStringLiteral("-o"), out, input});
    EXPECT_EQ(batch.ExitCode, 0) << batch.Errors.toStdString();
    EXPECT_TRUE(batch.Errors.contains(QStringLiteral("verified 2,"))) << batch.Errors.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files),
              QStringList({QStringLiteral("1.png"), QStringLiteral("2.png")}));
}

namespace {
// The Debian packages of every library a program loads, the ones those load included, outside
// the C library and the compiler's runtime, which come with every program.
QStringList LoadedPackages(const QString& program)
{
    static const QStringList runtime = {QStringLiteral("libc6"),     QStringLiteral("libstdc++6"),
                                        QStringLiteral("libgcc-s1"), QStringLiteral("libgomp1"),
                                        QStringLiteral("libasan8"),  QStringLiteral("libubsan1")};
    static const QRegularExpression loaded(QStringLiteral("^\\s*\\S+ => (/\\S+)"),
                                           QRegularExpression::MultilineOption);
    const TRun ldd = RunProgram(QStringLiteral("ldd"), {program});
    EXPECT_EQ(ldd.ExitCode, 0) << ldd.Errors.toStdString();
    // dpkg knows a file by the path its package installed, which a merged /usr may hide: ask
    // for both, in one call.
    QStringList libraries;
    QStringList paths;
    for (const QRegularExpressionMatch& library : loaded.globalMatch(ldd.Output)) {
        libraries << library.captured(1);
        paths << library.captured(1) << QFileInfo(library.captured(1)).canonicalFilePath();
    }
    const TRun owners =
        RunProgram(QStringLiteral("dpkg"), QStringList{QStringLiteral("-S")} + paths);
    QHash<QString, QString> ownerOf;
    for (const QString& line : owners.Output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        ownerOf.insert(line.section(QStringLiteral(": "), 1), line.section(QLatin1Char(':'), 0, 0));
    QStringList packages;
    for (const QString& library : libraries) {
        const QString owner =
            ownerOf.value(library, ownerOf.value(QFileInfo(library).canonicalFilePath()));
        EXPECT_FALSE(owner.isEmpty()) << library.toStdString();
        if (!owner.isEmpty() && !runtime.contains(owner) && !packages.contains(owner))
            packages << owner;
    }
    return packages;
}
} // namespace

TEST_F(InstalledTree, NoticesNameEveryLibraryTheProgramsLoad)
{
    const QString notices = QString::fromUtf8(
        ReadWholeFile(Installed(ProgramFolder + QStringLiteral("THIRD-PARTY-NOTICES"))));
    for (const QString& program : Programs) {
        const QStringList packages = LoadedPackages(Installed(ProgramFolder + program));
        EXPECT_TRUE(packages.contains(QStringLiteral("libzint2.11"))) << program.toStdString();
        for (const QString& package : packages)
            EXPECT_TRUE(notices.contains(QRegularExpression(QStringLiteral("[ ,]") +
                                                            QRegularExpression::escape(package) +
                                                            QStringLiteral("[ ,.)\\n]"))))
                << program.toStdString() << " loads " << package.toStdString()
                << ", which THIRD-PARTY-NOTICES does not name";
    }
}

TEST_F(InstalledTree, WindowStartedThroughItsLinkTakesTheProgramFolderAsItsOwn)
{
    // The window looks for settings.ini in its own folder when it can write there and sets an
    // undecodable one aside at start: which of the two files goes shows the folder it took.
    const QString own = Installed(ProgramFolder + QStringLiteral("settings.ini"));
    const QString besideLink = Installed(QStringLiteral("bin/settings.ini"));
    for (const QString& path : {own, besideLink})
        WriteWholeFile(path, "\xFF\xFE\xFA");
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    // The update check at start goes to a closed loopback port.
    environment.insert(QStringLiteral("LINTARO_SERVICE_HOST"), QStringLiteral("127.0.0.1:9"));

    QProcess window;
    window.setProcessEnvironment(environment);
    window.start(Installed(QStringLiteral("bin/lintaro")), {});
    ASSERT_TRUE(window.waitForStarted()) << window.errorString().toStdString();
    while (QFile::exists(own) && QFile::exists(besideLink) && window.state() == QProcess::Running)
        window.waitForFinished(50);
    const bool ran = window.state() == QProcess::Running;
    window.kill();
    window.waitForFinished(-1);
    EXPECT_TRUE(ran) << window.readAllStandardError().toStdString();
    EXPECT_FALSE(QFile::exists(own));
    EXPECT_TRUE(QFile::exists(besideLink));
    QFile::remove(besideLink);
}

TEST_F(InstalledTree, DesktopEntryAndMetainfoValidateAndNameInstalledFiles)
{
    const QString desktop =
        Installed(QStringLiteral("share/applications/") + AppId + QStringLiteral(".desktop"));
    const QString text = QString::fromUtf8(ReadWholeFile(desktop));
    const TRun entry = RunProgram(QStringLiteral("desktop-file-validate"), {desktop});
    EXPECT_EQ(entry.ExitCode, 0) << entry.Errors.toStdString();
    // Not even a hint: one main category, so the menu shows the program once.
    EXPECT_EQ(entry.Output, QString());
    EXPECT_TRUE(text.contains(
        QStringLiteral("\nMimeType=text/plain;text/csv;text/tab-separated-values;\n")));

    const QString metainfo =
        Installed(QStringLiteral("share/metainfo/") + AppId + QStringLiteral(".metainfo.xml"));
    const TRun component = RunProgram(QStringLiteral("appstreamcli"),
                                      {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                       QStringLiteral("--strict"), QStringLiteral("--pedantic"),
                                       QStringLiteral("--no-color"), metainfo});
    EXPECT_EQ(component.ExitCode, 0) << component.Output.toStdString();
    // Not even an info or a pedantic hint.
    EXPECT_FALSE(component.Output.contains(
        QRegularExpression(QStringLiteral("^[EWIP]: "), QRegularExpression::MultilineOption)))
        << component.Output.toStdString();
    EXPECT_TRUE(
        ReadWholeFile(metainfo).contains("<release version=\"" LINTARO_PROJECT_VERSION "\""));

    // What the entry starts and shows is installed.
    const QRegularExpressionMatch exec =
        QRegularExpression(QStringLiteral("^Exec=(\\S+) %F$"), QRegularExpression::MultilineOption)
            .match(text);
    ASSERT_TRUE(exec.hasMatch()) << text.toStdString();
    EXPECT_TRUE(QFileInfo(Installed(QStringLiteral("bin/") + exec.captured(1))).isExecutable());
    EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=") + AppId + QLatin1Char('\n')));
}

TEST_F(InstalledTree, ManualPagesRenderWithoutWarningsAndNameEveryBatchOption)
{
    for (const QString& page : {QStringLiteral("lintaro"), QStringLiteral("lintaro-batch")}) {
        const QString path =
            Installed(QStringLiteral("share/man/man1/") + page + QStringLiteral(".1.gz"));
        // The check Debian's lintian makes: groff's warnings on, output thrown away.
        const TRun checked = RunProgram(QStringLiteral("man"),
                                        {QStringLiteral("--warnings"), QStringLiteral("-E"),
                                         QStringLiteral("UTF-8"), QStringLiteral("-l"),
                                         QStringLiteral("-Tutf8"), QStringLiteral("-Z"), path});
        EXPECT_EQ(checked.ExitCode, 0) << page.toStdString();
        EXPECT_EQ(checked.Errors, QString()) << page.toStdString();
        const TRun shown = RunProgram(QStringLiteral("man"), {QStringLiteral("-l"), path});
        EXPECT_EQ(shown.ExitCode, 0) << shown.Errors.toStdString();
        EXPECT_TRUE(shown.Output.contains(page + QStringLiteral(" - "))) << page.toStdString();
    }

    // Installed with the prefix /usr, the page names the folder there, whatever the build's
    // configured prefix.
    const TRun window = RunProgram(
        QStringLiteral("gzip"),
        {QStringLiteral("-dc"), Installed(QStringLiteral("share/man/man1/lintaro.1.gz"))});
    EXPECT_TRUE(window.Output.contains(QStringLiteral("\n.I /usr/lib/lintaro/\n")))
        << window.Output.toStdString();

    const TRun help = RunInstalled(QStringLiteral("lintaro-batch"), {QStringLiteral("--help")});
    ASSERT_EQ(help.ExitCode, 0);
    const QStringList options = HelpOptions(help.Output);
    ASSERT_TRUE(options.contains(QStringLiteral("--verify")));
    const QString source = QString::fromUtf8(
        ReadWholeFile(QStringLiteral(LINTARO_SOURCE_DIR "/packaging/lintaro-batch.1")));
    for (QString option : options)
        EXPECT_TRUE(source.contains(option.replace(QLatin1Char('-'), QStringLiteral("\\-"))))
            << "the manual page lacks " << option.toStdString();
}

TEST_F(InstalledTree, CompletionAsksTheInstalledToolForItsOptionsAndSymbologies)
{
    QTemporaryDir work;
    QDir(work.path()).mkdir(QStringLiteral("outbox"));
    ASSERT_TRUE(QFile(work.filePath(QStringLiteral("outline.txt"))).open(QIODevice::WriteOnly));
    const QString script =
        Installed(QStringLiteral("share/bash-completion/completions/lintaro-batch"));
    const QString program = Installed(QStringLiteral("bin/lintaro-batch"));
    struct TCase
    {
        QStringList Words;
        QString Expected;
    };
    const TCase cases[] = {
        {{QStringLiteral("--image-s")}, QStringLiteral("--image-size\n")},
        {{QStringLiteral("-s"), QStringLiteral("zsQRC")}, QStringLiteral("zsQRCODE\n")},
        {{QStringLiteral("-s"), QStringLiteral("ea")}, QStringLiteral("ean13\nean8\n")},
        {{QStringLiteral("--symbology"), QStringLiteral("micro")},
         QStringLiteral("micropdf\nmicroqr\n")},
        {{QStringLiteral("-o"), QStringLiteral("out")}, QStringLiteral("outbox\n")},
        {{QStringLiteral("out")}, QStringLiteral("outbox\noutline.txt\n")},
    };
    for (const TCase& test : cases) {
        QProcess bash;
        bash.setWorkingDirectory(work.path());
        bash.start(QStringLiteral("bash"),
                   QStringList{QStringLiteral("-c"),
                               QStringLiteral("source \"$1\"; shift; COMP_WORDS=(\"$@\");"
                                              " COMP_CWORD=$(($# - 1)); _lintaro_batch;"
                                              " printf '%s\\n' \"${COMPREPLY[@]}\" | sort"),
                               QStringLiteral("bash"), script, program} +
                       test.Words);
        ASSERT_TRUE(bash.waitForFinished(-1));
        EXPECT_EQ(QString::fromUtf8(bash.readAllStandardOutput()), test.Expected)
            << test.Words.join(QLatin1Char(' ')).toStdString()
            << bash.readAllStandardError().toStdString();
    }
}

TEST(DebianPackage, HoldsTheInstalledLayoutAndDependsOnWhatTheProgramsLink)
{
    QTemporaryDir output;
    const TRun pack =
        RunProgram(QStringLiteral(LINTARO_CPACK),
                   {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                    QStringLiteral(LINTARO_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"),
                    output.path()});
    ASSERT_EQ(pack.ExitCode, 0) << pack.Output.toStdString() << pack.Errors.toStdString();
    const QString package =
        output.filePath(QStringLiteral("lintaro_" LINTARO_PROJECT_VERSION "_") +
                        RunProgram(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")})
                            .Output.trimmed() +
                        QStringLiteral(".deb"));
    ASSERT_TRUE(QFileInfo::exists(package)) << pack.Output.toStdString();

    const QString listing =
        RunProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), package}).Output;
    for (const QString& file : InstalledFiles())
        EXPECT_TRUE(listing.contains(QStringLiteral(" ./usr/") + file)) << file.toStdString();

    const auto field = [&](const char* name) {
        return RunProgram(QStringLiteral("dpkg-deb"),
                          {QStringLiteral("-f"), package, QLatin1String(name)})
            .Output.trimmed();
    };
    EXPECT_EQ(field("Version"), QStringLiteral(LINTARO_PROJECT_VERSION));
    EXPECT_EQ(field("Section"), QStringLiteral("graphics"));
    EXPECT_TRUE(field("Maintainer").startsWith(QStringLiteral("Kelmora <")));
    const QString depends = field("Depends");
    for (const char* dependency :
         {"libzint2.11", "libqt6widgets6", "libqt6svg6", "fonts-liberation2"})
        EXPECT_TRUE(depends.contains(QLatin1String(dependency)))
            << dependency << " missing from " << depends.toStdString();

    // Stripping keeps the section the version is read from.
    QTemporaryDir unpacked;
    ASSERT_EQ(
        RunProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), package, unpacked.path()})
            .ExitCode,
        0);
    EXPECT_EQ(RunProgram(unpacked.filePath(QStringLiteral("usr/bin/lintaro-batch")),
                         {QStringLiteral("--version")})
                  .Output,
              QStringLiteral("lintaro-batch " LINTARO_PROJECT_VERSION "\n"));
}
