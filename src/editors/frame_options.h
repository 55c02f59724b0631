#pragma once

#include <QWidget>

class QTableWidget;
class TCustomZintSymbolOptions;
class TZintSymbol;

// Edits one option set of the symbol as a Key/Value grid. The grid holds no values of its
// own: every committed edit is written into the symbol and the grid re-read.
class TFrameOptions final : public QWidget
{
    Q_OBJECT

public:
    explicit TFrameOptions(QWidget* parent = nullptr);

    // Adds one row per property of the symbol's option set AOptionProperty; values stay
    // empty until RefreshFrame.
    void Init(TZintSymbol* ASymbol, const QString& AOptionProperty);

    // Choices of a row: the value names of an enumeration or boolean, none for integers.
    void ValueListEditor1GetPickList(const QString& KeyName, QStringList& Values) const;
    // Writes an edited value; a value that cannot be written leaves the one in force.
    void ValueListEditor1Validate(const QString& KeyName, const QString& KeyValue);

public slots:
    // Shows the values in force.
    void RefreshFrame(QObject* Sender = nullptr);

signals:
    // Fired after every committed edit, also when the value could not be written.
    void changed(QObject* sender);

protected:
    // A tab shows its grid with the values in force, whoever changed them.
    void showEvent(QShowEvent* event) override;

private:
    int rowOf(const QString& key);

    QTableWidget* ValueListEditor1;
    TZintSymbol* FSymbol = nullptr;
    TCustomZintSymbolOptions* FOptionPropertyObj = nullptr;
};
