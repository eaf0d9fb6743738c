#pragma once

#include <QDialog>

class QCompleter;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;

namespace wagecourt::book {
class Book;
struct Player;
} // namespace wagecourt::book

namespace wagecourt::ui {

// Asks for the name to keep the player shown under, offering the names the
// book holds as they are typed, for an optional note and for tags. Return in
// the name field keeps; a name that cannot be kept says why and cannot be
// confirmed. Its size is its layout's, at any scale and with any face.
class KeepDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KeepDialog(QWidget *parent);

    // Empties the fields and offers this book's names; the book must outlive the box.
    void prepare(const book::Book &book);
    void retranslate();

    QString name() const;
    QString note() const;
    QString tags() const;

private:
    const book::Player *known() const;
    void nameChanged();
    void check();
    void reserveHintRoom();

    QLabel *m_nameLabel;
    QLineEdit *m_name;
    QLabel *m_noteLabel;
    QLineEdit *m_note;
    QLabel *m_tagsLabel;
    QLineEdit *m_tags;
    QLabel *m_hint;
    QFormLayout *m_fields;
    QDialogButtonBox *m_buttons;
    QPushButton *m_keep;
    QStringListModel *m_names;
    QCompleter *m_completer;
    const book::Book *m_book = nullptr;
    QString m_filledNote; // the known player's note as filled in; a note of the user's own stays
};

} // namespace wagecourt::ui
