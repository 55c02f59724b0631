#include "dialogs/translate_form.h"

#include "base/zint_exception.h"
#include "dialogs/custom_dialog.h"
#include "dialogs/language_flags.h"
#include "dialogs/mirrored_placement.h"
#include "dialogs/open_address.h"
#include "dialogs/restart_script.h"
#include "i18n/language_locales.h"
#include "i18n/translation_engine.h"
#include "platform/maker_web_host.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QUrl>

namespace {

QString GDialogLanguage;

const QString kEnglish = QStringLiteral("English");
constexpr int kItemHeight = 18;
constexpr int kPictureWidth = 16;
constexpr int kFlagGap = 5;
// An item's text is the language's own name; its data is the file's name, which the flag,
// the credits and the stored choice go by.
constexpr int kFileNameRole = Qt::UserRole;

// Draws one item as the dialog's owner-draw handler does: the flag at the leading top
// corner, the name at the same top after a gap, in the colours the list prepared for the item.
void DrawLanguageItem(QPainter& painter, const QRect& rect, const QString& fileName,
                      const QString& text, const QColor& textColour, Qt::LayoutDirection direction)
{
    const QRect flag = QStyle::visualRect(direction, rect,
                                          QRect(rect.topLeft(), QSize(kPictureWidth, kItemHeight)));
    painter.drawPixmap(flag.topLeft(), LanguagePicture(FlagPictureName(fileName)));
    painter.setPen(textColour);
    const QRect name =
        QStyle::visualRect(direction, rect, rect.adjusted(kPictureWidth + kFlagGap, 0, 0, 0));
    painter.drawText(name, QStyle::visualAlignment(direction, Qt::AlignLeft | Qt::AlignTop), text);
}

class TLanguageItemDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        // The list's own item ground (highlight when selected).
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, widget);
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(option.font);
        DrawLanguageItem(
            *painter, option.rect, index.data(kFileNameRole).toString(), index.data().toString(),
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text),
            option.direction);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width() + kPictureWidth + kFlagGap,
                kItemHeight};
    }
};

// Tahoma's accents on capitals (Ü, É) rise above its ascent: the labels start a few pixels
// higher with the same inner margin, so the text stands where designed and is not clipped.
constexpr int kAccentRoom = 4;

void PlaceLabel(QLabel* label, int x, int y)
{
    label->setContentsMargins(0, kAccentRoom, 0, 0);
    label->move(x, y - kAccentRoom);
}

QFont TahomaFont(int pointSize)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(pointSize);
    return font;
}

} // namespace

const QString& DialogLanguage()
{
    return GDialogLanguage;
}

TLanguageComboBox::TLanguageComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new TLanguageItemDelegate(this));
}

void TLanguageComboBox::AddSorted(const QString& fileName)
{
    const QString text = OwnLanguageName(fileName);
    int index = 0;
    while (index < count() &&
           QString::localeAwareCompare(itemText(index).toCaseFolded(), text.toCaseFolded()) <= 0)
        ++index;
    insertItem(index, text, fileName);
}

QString TLanguageComboBox::FileName(int index) const
{
    return itemData(index, kFileNameRole).toString();
}

QString TLanguageComboBox::CurrentFileName() const
{
    return FileName(currentIndex());
}

void TLanguageComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() < 0)
        return;
    // The field's height centres the 18-pixel item.
    const QRect item(field.left(), field.top() + (field.height() - kItemHeight) / 2, field.width(),
                     kItemHeight);
    painter.setClipRect(field);
    DrawLanguageItem(painter, item, CurrentFileName(), currentText(),
                     palette().color(QPalette::ButtonText), layoutDirection());
}

TTranslateForm::TTranslateForm(TTranslateFormEnvironment environment, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      FEnvironment(std::move(environment))
{
    setObjectName(QStringLiteral("TranslateForm"));
    CreateControls();
    FormCreate();
}

QString TTranslateForm::TranslationPageAddress()
{
    return QStringLiteral("http://") + QLatin1String(MakerWebHost) + QStringLiteral("/translate/");
}

void TTranslateForm::CreateControls()
{
    setFont(TahomaFont(8));
    setFixedSize(622, 227);

    Label1 = new QLabel(QStringLiteral("User Interface Language:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(TahomaFont(12));
    PlaceLabel(Label1, 3, 6);

    ComboBox1 = new TLanguageComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(263, 4, 355, 24);
    ComboBox1->setMaxVisibleItems(16);
    ComboBox1->AddSorted(kEnglish);
    ComboBox1->setCurrentIndex(0);
    connect(ComboBox1, &QComboBox::activated, this, &TTranslateForm::ComboBox1Change);

    Label2 = new QLabel(QStringLiteral("Translated by:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(TahomaFont(12));
    PlaceLabel(Label2, 3, 39);

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(263, 32, 355, 151);
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Scroll bars only for credits longer or wider than the box.
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setFont(TahomaFont(12));
    QPalette face = RichEdit1->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    RichEdit1->setPalette(face);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Copy1 = PopupMenu1->addAction(QIcon(LanguagePicture(QStringLiteral("copy"))),
                                  QStringLiteral("Copy"));
    Copy1->setObjectName(QStringLiteral("Copy1"));
    connect(Copy1, &QAction::triggered, this, &TTranslateForm::Copy1Click);
    SelectAll1 = PopupMenu1->addAction(QStringLiteral("Select All"));
    SelectAll1->setObjectName(QStringLiteral("SelectAll1"));
    connect(SelectAll1, &QAction::triggered, this, &TTranslateForm::SelectAll1Click);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(at));
    });

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, 227 - 39 - 1, 622, 1);
    Panel2->setFrameShape(QFrame::HLine);
    Panel2->setFrameShadow(QFrame::Plain);
    Panel2->setStyleSheet(QStringLiteral("color: palette(mid);"));

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 227 - 39, 622, 39);

    Label3 = new QLabel(QStringLiteral("Contribute to Translation"), Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont link = font();
    link.setUnderline(true);
    Label3->setFont(link);
    QPalette blue = Label3->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label3->setPalette(blue);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setToolTip(TranslationPageAddress());
    PlaceLabel(Label3, 8, 13);
    Label3->installEventFilter(this);

    Button1 = new QPushButton(QIcon(LanguagePicture(QStringLiteral("tick_button"))),
                              QStringLiteral("OK"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(622 - 2 * (172 + 6), 6, 172, 27);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TTranslateForm::Button1Click);

    Button2 = new QPushButton(QStringLiteral("Cancel"), Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(622 - 172 - 6, 6, 172, 27);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TTranslateForm::FormCreate()
{
    setWindowTitle(Translate(QStringLiteral("Language")));
    Label1->setText(Translate(QStringLiteral("User Interface Language:")));
    Label1->adjustSize();
    Label2->setText(Translate(QStringLiteral("Translated by:")));
    Label2->adjustSize();
    Button1->setText(Translate(QStringLiteral("OK")));
    Button2->setText(Translate(QStringLiteral("Cancel")));
    Label3->setText(Translate(QStringLiteral("Contribute to Translation")));
    Label3->adjustSize();
    Copy1->setText(Translate(QStringLiteral("Copy")));
    SelectAll1->setText(Translate(QStringLiteral("Select All")));

    for (const QString& file : LanguageFiles()) {
        const qsizetype suffix = file.indexOf(QStringLiteral(".lang.txt"));
        ComboBox1->AddSorted(suffix < 0 ? QString() : file.left(suffix));
    }
    int selected = ComboBox1->findData(kEnglish, kFileNameRole);
    for (int index = 0; index < ComboBox1->count(); ++index)
        if (ComboBox1->FileName(index) == CurrentLanguage()) {
            selected = index;
            break;
        }
    ComboBox1->setCurrentIndex(selected);
    ComboBox1Change();
    GDialogLanguage = ComboBox1->CurrentFileName();
    if (layoutDirection() == Qt::RightToLeft)
        MirrorPlacements(this);
}

void TTranslateForm::ComboBox1Change()
{
    const QString language = ComboBox1->CurrentFileName();
    QString credits;
    if (language != kEnglish) {
        QStringList lines;
        try {
            lines =
                ReadLanguageFile(LanguagesFolder() + u'/' + language + QStringLiteral(".lang.txt"));
            credits = FindTranslation(QStringLiteral("INFO:Translated By"), lines);
        } catch (const EZintException&) {
            // An unreadable file shows no credits.
        }
    } else
        credits = QStringLiteral("Kelmora");
    RichEdit1->clear();
    QStringList names;
    for (const QString& name : credits.split(u','))
        names << name.trimmed();
    if (!credits.isEmpty())
        RichEdit1->setPlainText(names.join(u'\n'));
}

void TTranslateForm::Button1Click()
{
    const QString language = ComboBox1->CurrentFileName();
    if (language == GDialogLanguage) {
        close();
        return;
    }
    const int answer = ShowCustomDialog(
        Translate(QStringLiteral("Restart Application?")), TMsgDlgType::mtConfirmation,
        {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}, Translate(QStringLiteral("Confirmation")),
        {Translate(QStringLiteral("Yes")), Translate(QStringLiteral("No"))}, this);
    if (answer != mrYes)
        return;

    if (FEnvironment.SetLanguageFile)
        FEnvironment.SetLanguageFile(language + QStringLiteral(".lang.txt"));
    QCoreApplication::processEvents();
    const QString script = RestartScriptPath(FEnvironment.DataFolder);
    try {
        WriteRestartScript(script, FEnvironment.ProgramPath);
    } catch (const EZintException& error) {
        ShowError(QString::fromUtf8(error.what()));
        return;
    }
    QCoreApplication::processEvents();
    StartRestartScript(script);
    QCoreApplication::processEvents();
    accept();
    if (FEnvironment.Quit)
        FEnvironment.Quit();
    else
        QCoreApplication::quit();
}

void TTranslateForm::StartRestartScript(const QString& script)
{
    QString folder = FEnvironment.DataFolder;
    if (FEnvironment.StartScript)
        FEnvironment.StartScript(script, folder);
    else
        QProcess::startDetached(QStringLiteral("/bin/sh"), {script}, folder);
}

void TTranslateForm::Label3Click()
{
    const QUrl address(TranslationPageAddress());
    if (FEnvironment.OpenUrl)
        FEnvironment.OpenUrl(address);
    else if (!QDesktopServices::openUrl(address))
        ShowError(AddressNotOpenedText(address));
}

void TTranslateForm::ShowError(const QString& text)
{
    if (FEnvironment.ShowError)
        FEnvironment.ShowError(this, QGuiApplication::applicationDisplayName(), text);
    else
        QMessageBox::critical(this, QGuiApplication::applicationDisplayName(), text);
}

void TTranslateForm::Copy1Click()
{
    RichEdit1->copy();
}

void TTranslateForm::SelectAll1Click()
{
    RichEdit1->selectAll();
}

void TTranslateForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TTranslateForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label3 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label3Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
