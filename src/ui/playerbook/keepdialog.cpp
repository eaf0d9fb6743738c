#include "ui/playerbook/keepdialog.h"

#include "book/book.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "usecases/bookcases.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;

KeepDialog::KeepDialog(QWidget *parent)
    : QDialog(parent), m_nameLabel(new QLabel(this)), m_name(new QLineEdit(this)), m_noteLabel(new QLabel(this)),
      m_note(new QLineEdit(this)), m_tagsLabel(new QLabel(this)), m_tags(new QLineEdit(this)), m_hint(new QLabel(this)),
      m_fields(new QFormLayout), m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel, this)),
      m_keep(m_buttons->addButton(QString(), QDialogButtonBox::AcceptRole)), m_names(new QStringListModel(this)),
      m_completer(new QCompleter(m_names, this))
{
    setObjectName(u"KeepDialog"_s);
    m_name->setObjectName(u"keepName"_s);
    m_note->setObjectName(u"keepNote"_s);
    m_tags->setObjectName(u"keepTags"_s);
    m_keep->setObjectName(u"keepConfirm"_s);
    m_name->setMaxLength(book::kLongestName * 2); // longer is refused with its reason, not cut
    m_note->setMaxLength(book::kLongestNote * 2);
    m_nameLabel->setBuddy(m_name);
    m_noteLabel->setBuddy(m_note);
    m_tagsLabel->setBuddy(m_tags);
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The box is as wide as its fields, and its hint as high as its longest
    // text needs there (reserveHintRoom()): the box keeps its size whatever is
    // typed or picked, so nothing in it moves under the pointer.
    m_hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setFilterMode(Qt::MatchContains);
    m_name->setCompleter(m_completer);
    m_keep->setDefault(true);

    m_fields->addRow(m_nameLabel, m_name);
    m_fields->addRow(m_noteLabel, m_note);
    m_fields->addRow(m_tagsLabel, m_tags);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_fields);
    layout->addWidget(m_hint);
    layout->addWidget(m_buttons);
    // Room for a long name as it is drawn in this face; the rest is the layout's.
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(u"Maximilian Kowalczyk-Santos"_s));
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, &KeepDialog::nameChanged);
    connect(m_note, &QLineEdit::textChanged, this, &KeepDialog::check);
    connect(m_tags, &QLineEdit::textChanged, this, &KeepDialog::check);
    retranslate();
}

void KeepDialog::prepare(const book::Book &book)
{
    m_book = &book;
    QStringList names;
    names.reserve(qsizetype(book.players().size()));
    for (const book::Player &player : book.players())
        names << player.name;
    names.sort(Qt::CaseInsensitive);
    m_names->setStringList(names);
    m_filledNote.clear();
    m_name->clear();
    m_note->clear();
    m_tags->clear();
    m_name->setFocus();
    check();
    reserveHintRoom();
}

void KeepDialog::reserveHintRoom()
{
    QStringList hints{bookwindowtext::kAddsSnapshot.translated()};
    for (const book::TextProblem problem :
         {book::TextProblem::Empty, book::TextProblem::TooLong, book::TextProblem::ControlCharacter,
          book::TextProblem::NotText, book::TextProblem::Space})
        hints << booktext::sentence(booktext::nameProblemText(problem))
              << booktext::sentence(booktext::noteProblemText(problem))
              << booktext::sentence(booktext::tagProblemText(problem));
    const int width = std::max(m_fields->sizeHint().width(), m_buttons->sizeHint().width())
            - m_hint->contentsMargins().left() - m_hint->contentsMargins().right();
    int height = 0;
    for (const QString &hint : std::as_const(hints))
        if (!hint.isEmpty())
            height = std::max(
                    height,
                    m_hint->fontMetrics().boundingRect(QRect(0, 0, width, 1 << 16), Qt::TextWordWrap, hint).height());
    m_hint->setFixedHeight(height + m_hint->contentsMargins().top() + m_hint->contentsMargins().bottom());
}

void KeepDialog::retranslate()
{
    setWindowTitle(bookwindowtext::kKeepInBook.translated());
    m_nameLabel->setText(bookwindowtext::kPlayerName.translated());
    m_noteLabel->setText(bookwindowtext::kNoteOptional.translated());
    m_tagsLabel->setText(bookwindowtext::kTagsOptional.translated());
    m_tags->setPlaceholderText(bookwindowtext::kTagsExample.translated());
    m_tags->setAccessibleName(bookwindowtext::kTagsOptional.translated());
    m_keep->setText(bookwindowtext::kKeep.translated());
    m_name->setAccessibleName(bookwindowtext::kPlayerName.translated());
    m_note->setAccessibleName(bookwindowtext::kNoteOptional.translated());
    m_keep->setAccessibleName(bookwindowtext::kKeep.translated());
    check();
    reserveHintRoom();
}

QString KeepDialog::name() const
{
    return book::cleanedText(m_name->text());
}

QString KeepDialog::note() const
{
    return book::cleanedText(m_note->text());
}

QString KeepDialog::tags() const
{
    return m_tags->text();
}

const book::Player *KeepDialog::known() const
{
    const QString name = this->name();
    return m_book && book::checkName(name) == book::TextProblem::None ? m_book->find(name) : nullptr;
}

void KeepDialog::nameChanged()
{
    // A player already kept brings his note along, unless the user wrote one of his own.
    if (m_note->text() == m_filledNote) {
        const book::Player *player = known();
        m_filledNote = player ? player->note : QString();
        m_note->setText(m_filledNote);
    }
    check();
}

void KeepDialog::check()
{
    const usecase::KeepAnswer checked = usecase::checkKeep({m_name->text(), m_note->text(), m_tags->text(), {}});
    // An empty name is no mistake yet, only nothing to keep.
    const bool empty = name().isEmpty();
    QString hint;
    if (!checked.ok() && !(empty && checked.problem == usecase::BookProblem::BadName))
        hint = booktext::sentence(checked.problemText);
    else if (known())
        hint = bookwindowtext::kAddsSnapshot.translated();
    m_hint->setText(hint);
    m_keep->setEnabled(checked.ok());
}

} // namespace wagecourt::ui
