#include "usecases/bookcases.h"

#include "book/exchange.h"
#include "presentation/booktext.h"
#include "presentation/windowtexts.h"

namespace wagecourt::usecase {

using namespace Qt::StringLiterals;
using book::BookWriter;
using book::KeepOutcome;
using book::TextProblem;

namespace {

// The name, the note and the tags of a keep, each checked once; the first
// problem found, or none.
template <typename Answer>
bool checkFields(const KeepRequest &request, book::Keep &keep, Answer &answer)
{
    keep.name = book::cleanedText(request.name);
    if (const TextProblem problem = book::checkName(keep.name); problem != TextProblem::None) {
        answer.problem = BookProblem::BadName;
        answer.problemText = booktext::nameProblemText(problem);
        return false;
    }
    if (request.note) {
        keep.note = book::cleanedText(*request.note);
        if (const TextProblem problem = book::checkNote(*keep.note); problem != TextProblem::None) {
            answer.problem = BookProblem::BadNote;
            answer.problemText = booktext::noteProblemText(problem);
            return false;
        }
    }
    TextProblem tagProblem = TextProblem::None;
    keep.tags = book::splitTags(request.tags, &tagProblem);
    if (tagProblem != TextProblem::None) {
        answer.problem = BookProblem::BadTags;
        answer.problemText = booktext::tagProblemText(tagProblem);
        return false;
    }
    return true;
}

template <typename Answer>
bool storeFailed(const book::StoreResult &result, Answer &answer)
{
    answer.store = result;
    if (result.ok())
        return false;
    answer.problem = BookProblem::Store;
    return true;
}

KeepAnswer keepChecked(BookWriter &book, book::Keep keep, KeepAnswer answer)
{
    if (!book::isValidSnapshot(keep.snapshot)) {
        answer.problem = BookProblem::BadLevels;
        answer.problemText = booktext::badLevelsText();
        return answer;
    }
    std::vector<KeepOutcome> outcomes;
    if (storeFailed(book.keepAll({keep}, &outcomes), answer))
        return answer;
    answer.outcome = outcomes.empty() ? KeepOutcome::Refused : outcomes.front();
    // Everything the book itself checks was checked above: a refusal now can
    // only be a player whose stored snapshots are to be kept as they are.
    if (answer.outcome == KeepOutcome::Refused) {
        answer.problem = BookProblem::Unreadable;
        answer.problemText = booktext::unreadablePlayerText(keep.name);
        return answer;
    }
    answer.player = book.player(keep.name, &answer.store);
    if (!answer.store.ok() || !answer.player) {
        answer.problem = BookProblem::Store;
        return answer;
    }
    answer.summary = booktext::keptText(answer.outcome, *answer.player, keep.snapshot);
    answer.kept = std::move(keep);
    return answer;
}

} // namespace

KeepAnswer checkKeep(const KeepRequest &request)
{
    KeepAnswer answer;
    book::Keep keep;
    checkFields(request, keep, answer);
    return answer;
}

KeepAnswer keepLevels(BookWriter &book, const KeepRequest &request, const book::SnapshotLevels &levels,
                      const LanguageEntry &language)
{
    KeepAnswer answer;
    book::Keep keep;
    if (!checkFields(request, keep, answer))
        return answer;
    keep.snapshot.date = request.day;
    keep.snapshot.levels = levels;
    keep.snapshot.language = &language;
    return keepChecked(book, std::move(keep), std::move(answer));
}

KeepAnswer keepLevels(BookWriter &book, const KeepRequest &request, const SkillLevels &levels,
                      const OtherSkillLevels &others, const LanguageEntry &language)
{
    return keepLevels(book, request, book::snapshotOf(levels, others, language, request.day).levels, language);
}

KeepAnswer keepPasted(BookWriter &book, const KeepRequest &request, QByteArrayView pastedUtf8,
                      const LanguageEntry *language)
{
    KeepAnswer answer;
    book::Keep keep;
    if (!checkFields(request, keep, answer))
        return answer;
    const ReadOutcome read = readPastedBytes(pastedUtf8, language,
                                             language ? LanguageSearch::OnlyFirst : LanguageSearch::AnyLanguage);
    if (!read.accepted()) {
        answer.problem = BookProblem::ListRefused;
        answer.refusal = read.refusal;
        answer.problemText = windowtext::kErrorText.translated() + u'\n' + read.refusal.detail(Reader::Person);
        return answer;
    }
    keep.snapshot = book::snapshotOf(read.list->levels, read.list->others, *read.list->language, request.day);
    return keepChecked(book, std::move(keep), std::move(answer));
}

std::optional<ImportAnswer> refuseUnread(qint64 size, const QString &fileName)
{
    if (size <= kLargestImport)
        return std::nullopt;
    ImportAnswer answer;
    answer.problem = BookProblem::TooLarge;
    answer.problemText = booktext::fileTooLargeText(fileName, kLargestImport);
    return answer;
}

ImportAnswer importExchange(BookWriter &book, QByteArrayView bytes, qint64 size, const QString &fileName, QDate today)
{
    if (std::optional<ImportAnswer> refused = refuseUnread(std::max(size, qint64(bytes.size())), fileName))
        return std::move(*refused);
    ImportAnswer answer;
    book::ExchangeRead read = book::readExchange(bytes, today);
    std::vector<KeepOutcome> outcomes;
    if (storeFailed(book.keepAll(read.keeps, &outcomes), answer)) {
        answer.problemText = booktext::nothingImportedText();
        return answer;
    }
    // The refused lines in the file's order: those the file's reading refused
    // and those the book did (a player whose stored snapshots must stay as they are).
    std::vector<std::pair<qint64, QString>> refused;
    for (const book::RowError &error : read.errors)
        refused.emplace_back(error.line, booktext::rowErrorText(error));
    for (std::size_t i = 0; i < read.keeps.size(); ++i) {
        const KeepOutcome outcome = i < outcomes.size() ? outcomes[i] : KeepOutcome::Refused;
        answer.counts.count(outcome);
        if (outcome == KeepOutcome::Refused)
            refused.emplace_back(read.lines[i],
                                 booktext::lineText(read.lines[i], booktext::unreadablePlayerText(read.keeps[i].name)));
        else if (outcome != KeepOutcome::AlreadyKept || read.keeps[i].note || !read.keeps[i].tags.isEmpty())
            answer.taken.push_back(std::move(read.keeps[i]));
    }
    answer.counts.refused += qsizetype(read.errors.size());
    std::stable_sort(refused.begin(), refused.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (auto &[line, text] : refused) {
        answer.refusedLines << std::move(text);
        answer.refusedAt.push_back(line);
    }
    answer.summary = booktext::importedText(answer.counts);
    return answer;
}

ChangeAnswer removePlayer(BookWriter &book, const QString &name)
{
    ChangeAnswer answer;
    std::optional<book::Player> removed;
    if (storeFailed(book.remove(book::cleanedText(name), &removed), answer))
        return answer;
    if (!removed) {
        answer.problem = BookProblem::UnknownPlayer;
        answer.problemText = booktext::kUnknownPlayer.translated().arg(booktext::visible(name));
        return answer;
    }
    answer.summary = booktext::removedText(*removed);
    answer.player = std::move(removed);
    return answer;
}

ChangeAnswer restorePlayer(BookWriter &book, const book::Player &player)
{
    ChangeAnswer answer;
    if (storeFailed(book.restore(player), answer))
        return answer;
    answer.player = book.player(player.name, &answer.store);
    return answer;
}

namespace {

template <typename Change>
ChangeAnswer changePlayer(BookWriter &book, const QString &name, Change change)
{
    ChangeAnswer answer;
    const QString cleaned = book::cleanedText(name);
    bool found = false;
    if (storeFailed(change(cleaned, &found), answer))
        return answer;
    if (!found) {
        answer.problem = BookProblem::UnknownPlayer;
        answer.problemText = booktext::kUnknownPlayer.translated().arg(booktext::visible(cleaned));
        return answer;
    }
    answer.player = book.player(cleaned, &answer.store);
    return answer;
}

} // namespace

ChangeAnswer setNote(BookWriter &book, const QString &name, const QString &note)
{
    const QString cleaned = book::cleanedText(note);
    if (const TextProblem problem = book::checkNote(cleaned); problem != TextProblem::None)
        return ChangeAnswer{BookProblem::BadNote, booktext::noteProblemText(problem), {}, {}, {}};
    return changePlayer(book, name,
                        [&](const QString &player, bool *found) { return book.setNote(player, cleaned, found); });
}

ChangeAnswer setTags(BookWriter &book, const QString &name, const QString &tags)
{
    TextProblem problem = TextProblem::None;
    const QStringList split = book::splitTags(tags, &problem);
    if (problem != TextProblem::None)
        return ChangeAnswer{BookProblem::BadTags, booktext::tagProblemText(problem), {}, {}, {}};
    return changePlayer(book, name,
                        [&](const QString &player, bool *found) { return book.setTags(player, split, found); });
}

QByteArray exportBook(const book::Book &book, QStringView fileName)
{
    return book::exportBook(book, book::exchangeFormOf(fileName));
}

QByteArray exportBook(const book::Book &book, book::ExchangeForm form)
{
    return book::exportBook(book, form);
}

QStringList unreadableLines(const book::Book &book)
{
    QStringList lines;
    for (const book::UnreadablePlayer &player : book.unreadable())
        lines << booktext::unreadableSnapshotsText(player);
    return lines;
}

} // namespace wagecourt::usecase
