#include "app/list_command.h"

#include "app/usage_text.h"
#include "log/adif_reader.h"
#include "log/printable_text.h"
#include "log/qso_log.h"
#include "log/qso_row.h"
#include "selection/bureau_order.h"
#include "selection/row_list.h"

namespace {

// Writes rows and messages out as the reader finds them.
class StreamSink : public AdifSink {
  public:
    StreamSink(std::FILE* rows, std::FILE* messages) : rows_(rows), messages_(messages) {
        pending_.reserve(kBatchBytes + 4096);
    }
    ~StreamSink() override { flush(); }

    void record(const QsoValues& values) override {
        const qsizetype start = pending_.size();
        QsoRow::appendTo(pending_, values);
        PrintableText::blankControls(pending_, start);
        pending_ += '\n';
        if (pending_.size() >= kBatchBytes) {
            flush();
        }
    }
    void message(const AdifMessage& message) override {
        flush();
        const QByteArray line = message.text.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), messages_);
    }
    void flush() {
        std::fwrite(pending_.constData(), 1, static_cast<size_t>(pending_.size()), rows_);
        pending_.truncate(0);
    }

  private:
    static constexpr qsizetype kBatchBytes = 1 << 16;

    std::FILE* rows_;
    std::FILE* messages_;
    QByteArray pending_;
};

QslRound::Order listOrder(const GivenOptions& round) {
    const QString sort = round.value(QStringLiteral("sort"));
    return sort == u"bureau" ? QslRound::Order::Bureau
           : sort == u"call" ? QslRound::Order::Call
                             : QslRound::Order::File;
}

}  // namespace

QString ListCommand::synopsis() {
    QString text = QStringLiteral("list LOG.adi");
    for (const CommandOption& option : roundOptions(false)) {
        text += QStringLiteral(" [%1]").arg(option.head());
    }
    return text;
}

void ListCommand::describe(UsageText& usage) {
    usage.addCommand(synopsis(),
                     UsageText::tr("write every QSO list row of the log, one per line (with\n"
                                   "--sort bureau: the entity's prefix and a tab before each,\n"
                                   "! before it when the bureau cannot deliver the card)"));
}

int ListCommand::run(const QStringList& given) {
    QStringList arguments = given;
    GivenOptions round;
    const CommandOptions options = roundOptions(false);
    QString problem = ArgumentParser(options).take(CommandOption::Stage::Round, arguments, round);
    if (problem.isEmpty()) {
        problem = roundProblem(round);
    }
    if (!problem.isEmpty()) {
        return fail(kUsage, problem);
    }
    if (arguments.size() != 1 || arguments.first().startsWith(QStringLiteral("--"))) {
        return fail(kUsage, usageLine(synopsis()));
    }
    if (!round.empty()) {
        return listArranged(arguments.first(), round);
    }
    return listAsRead(arguments.first());
}

int ListCommand::listAsRead(const QString& path) {
    StreamSink sink(out_, err_);
    QString error;
    const bool read = AdifReader::readFile(reachable(path), sink, &error);
    sink.flush();
    if (!read) {
        std::fflush(out_);
        return fail(kUnreadable, error);
    }
    return outputWritten() ? kOk : kPrintFailed;
}

int ListCommand::listArranged(const QString& path, const GivenOptions& round) {
    QsoLog log;
    if (!readLog(reachable(path), log)) {
        return kUnreadable;
    }
    const QslRound::Order order = listOrder(round);
    RowList rows(QslRound::rowOrder(order));
    const std::shared_ptr<const BureauOrder> bureau =
        order == QslRound::Order::Bureau ? bureauOrder() : nullptr;
    QslRound::arrange(rows, order, QslRound::recordsOf(log, roundFilter(round)), bureau);
    for (int i = 0; i < rows.count(); ++i) {
        QByteArray text = QsoRow::compose(rows.record(i));
        PrintableText::blankControls(text);
        if (bureau != nullptr) {
            const BureauOrder::Key key = bureau->keyOf(rows.record(i));
            const QByteArray mark = key.refusal == BureauOrder::Refusal::None ? "" : "!";
            text.prepend(mark + (key.prefix.isEmpty() ? QByteArray("-") : key.prefix) + '\t');
        }
        writeLine(out_, text);
    }
    return outputWritten() ? kOk : kPrintFailed;
}
