#pragma once

#include "app/app_form.h"
#include "recording_dialog_service.h"
#include "symbol/zint_symbology.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

class TItemListView;
class TPreviewImage;

// A list of UTF-8 texts, as the list and the dialogs hold them.
QStringList Texts(std::initializer_list<const char*> texts);

// The dialog service of the application object's default error handling.
TRecordingDialogService& ApplicationDialogs();

// A main window over a temporary program folder (holding a link to the real program, so that
// the version record is found) and a temporary data home, with recorded dialogs.
class TGuiTestBase : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    TAppForm& CreateForm();
    TAppForm& ShowForm();
    // Shown and active: keys and clicks reach only the active window.
    void ShowActiveForm();

    template <typename TWidget> TWidget* Find(const char* name) const
    {
        auto* widget = Form->findChild<TWidget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Sets the output size page to the preview area's own layout: the area's size, modules
    // fitted exactly, five-module rows, no quiet zones.
    void UsePreviewAreaLayout();
    // Lets the window carry out the render the last changes asked for.
    static void RunPendingRender();
    // Selects the symbology as the user would, which renders.
    void ChooseSymbology(TZintSymbology symbology);
    TPreviewImage& Preview() const;
    // The preview picture played into an image of its own size; null when empty.
    QImage PreviewImage() const;

    TItemListView& List() const;
    // The entries, whole.
    QStringList ListTexts() const;
    // Adds a text as the user does: typed into the entry box, then Enter.
    void AddEntry(const QString& text);
    // A left click on the list at a point of its viewport.
    void ClickList(QPoint position);
    void ClickEntry(int row);

    // The bounding rectangle of the dark pixels: where the bars and the text are.
    static QRect DarkArea(const QImage& image);

    // The index of UTF-8 in the open dialog's encoding choice.
    static constexpr int Utf8Choice = 4;
    // A file of the test's own, for "Load..." and drops; returns its path.
    QString WriteFile(const char* name, const QByteArray& bytes);
    // "Load..." of a file, the dialog answered with the path and the encoding choice.
    void Load(const QString& path, int encoding = Utf8Choice);

    QString ProgramFolder() const { return FProgramDir.path(); }
    QString DataHome() const { return FDataHome.path(); }

    TRecordingDialogService Dialogs;
    std::unique_ptr<TAppForm> Form;

private:
    QTemporaryDir FProgramDir;
    QTemporaryDir FFiles;
    QTemporaryDir FDataHome;
};
