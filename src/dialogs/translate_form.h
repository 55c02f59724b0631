#pragma once

#include <QComboBox>
#include <QDialog>

#include <functional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QUrl;

// What the language dialog takes from the main window. The boundaries a test cannot click
// (the browser, the started script, the end of the application, the error box) are
// functions; empty ones take the real behaviour.
struct TTranslateFormEnvironment
{
    QString ProgramPath; // the program file the restart script starts
    QString DataFolder;  // holds the restart script
    std::function<void(const QString& fileName)> SetLanguageFile; // the main window's
    std::function<void(const QUrl& address)> OpenUrl;
    std::function<void(const QString& script, const QString& workingFolder)> StartScript;
    std::function<void()> Quit;
    std::function<void(QWidget* parent, const QString& caption, const QString& text)> ShowError;
};

// The language list: owner-drawn items of height 18, a flag and the language's own name.
class TLanguageComboBox final : public QComboBox
{
    Q_OBJECT

public:
    explicit TLanguageComboBox(QWidget* parent = nullptr);
    // Adds a language file's item where the list sorted by the shown names wants it
    // (case-insensitive; equal names after).
    void AddSorted(const QString& fileName);
    // The language file's name (up to ".lang.txt") of an item; "English" for English.
    QString FileName(int index) const;
    QString CurrentFileName() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The language dialog.
class TTranslateForm final : public QDialog
{
    Q_OBJECT

public:
    explicit TTranslateForm(TTranslateFormEnvironment environment, QWidget* parent = nullptr);

    void ComboBox1Change();
    void Button1Click();
    void Label3Click();
    void Copy1Click();
    void SelectAll1Click();

    // The maker's translation page, opened by "Contribute to Translation".
    static QString TranslationPageAddress();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void FormCreate();
    void StartRestartScript(const QString& script);
    void ShowError(const QString& text);

    TTranslateFormEnvironment FEnvironment;
    QLabel* Label1 = nullptr;
    TLanguageComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* RichEdit1 = nullptr;
    QFrame* Panel2 = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* SelectAll1 = nullptr;
};

// The language selected when the dialog last opened; OK compares against it.
const QString& DialogLanguage();
