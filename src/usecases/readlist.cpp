#include "usecases/readlist.h"

#include "engine/salary.h"
#include "presentation/clitexts.h"

#include <QStringDecoder>

namespace wagecourt::usecase {

using namespace Qt::StringLiterals;

QString Refusal::reasonName() const
{
    return reason == RefusalReason::Check ? u"check"_s : u"level"_s;
}

QString Refusal::detail(Reader reader) const
{
    switch (cause) {
    case Cause::TooLong:
        return clitext::tooLongDetail(characters, reader);
    case Cause::CutOff:
        return clitext::cutOffDetail(reader);
    case Cause::NoLanguage:
        return clitext::noLanguageDetail(reader);
    case Cause::Rejected:
        break;
    }
    return clitext::rejectionDetail(import, *language, reader);
}

namespace {

ReadOutcome tooMuch(const LanguageEntry *first, LanguageSearch search, Refusal::Cause cause, qsizetype characters)
{
    ReadOutcome outcome;
    outcome.refusal.cause = cause;
    outcome.refusal.characters = characters;
    // Only a language asked for outright is named: none was tried.
    outcome.refusal.language = search == LanguageSearch::OnlyFirst ? first : nullptr;
    return outcome;
}

} // namespace

ReadOutcome readPastedText(QStringView text, const LanguageEntry *first, LanguageSearch search)
{
    if (text.size() > kMaxPastedCharacters)
        return tooMuch(first, search, Refusal::Cause::TooLong, text.size());

    LanguageImport found = importInAnyLanguage(text, first, search);
    ReadOutcome outcome;
    if (found.accepted()) {
        outcome.list = PastedList{found.language, found.import.levels, found.import.otherLevels,
                                  salaryOf(found.import.levels), std::move(found.import.replacedText)};
        return outcome;
    }
    Refusal &refusal = outcome.refusal;
    const bool checkFailed = found.import.outcome == ImportOutcome::CheckFailed;
    refusal.reason = checkFailed ? RefusalReason::Check : RefusalReason::Level;
    // Where every language was tried and none took the text for a list, no
    // one language is to blame.
    if (search == LanguageSearch::AnyLanguage && checkFailed) {
        refusal.cause = Refusal::Cause::NoLanguage;
        return outcome;
    }
    refusal.cause = Refusal::Cause::Rejected;
    refusal.language = found.language;
    refusal.import = std::move(found.import);
    return outcome;
}

ReadOutcome readPastedBytes(QByteArrayView utf8, const LanguageEntry *first, LanguageSearch search)
{
    if (utf8.size() > kMostPastedBytes)
        return tooMuch(first, search, Refusal::Cause::CutOff, 0);
    QStringDecoder decoder(QStringDecoder::Utf8); // drops a byte-order mark
    const QString text = decoder.decode(utf8);
    return readPastedText(text, first, search);
}

SalaryResult salaryOf(const SkillLevels &levels)
{
    const std::optional<SalaryResult> result = computeSalary(levels);
    Q_ASSERT(result); // levels within 1 to 20 always pay a salary
    return result.value_or(SalaryResult{});
}

void takeList(PlayerState &state, const PastedList &list)
{
    state.PastedText = list.replacedText;
    state.SkillLevel = list.levels;
    state.OtherSkillLevel = list.others;
    CalcSalary(state);
}

} // namespace wagecourt::usecase
