#include "widgets/apply_run.h"

#include "core/term.h"
#include "widgets/controls.h"
#include "widgets/form.h"
#include "widgets/painting.h"
#include "widgets/seams.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>

namespace ui {

namespace {

QString qstr(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString quantity(const std::string &symbol, double value, const std::string &unit)
{
    QString text = qstr(symbol) + QStringLiteral(" = ") + qstr(core::reportNumber(value));
    if (!unit.empty())
        text += QLatin1Char(' ') + unitText(unit);
    return text;
}

// Tooltips back to the table's, then each check and warning on the controls it names.
void showRecord(Form &form, const core::Run &run)
{
    QHash<QWidget *, QStringList> tips;
    for (const core::Control &row : form.table()) {
        if (!row.name.empty() && form.has(row.name))
            form.control(row.name)->setToolTip(qstr(row.tooltip));
    }
    auto add = [&](const std::string &name, const QString &text) {
        if (name.empty() || !form.has(name))
            return;
        QWidget *control = form.control(name);
        QStringList &lines = tips[control];
        if (lines.isEmpty() && !control->toolTip().isEmpty())
            lines.append(control->toolTip());
        lines.append(text);
    };
    for (const core::Check &check : run.checks())
        add(check.control, describeCheck(check));
    for (const core::Warning &warning : run.warnings()) {
        for (const std::string &name : warning.controls)
            add(name, qstr(warning.text));
    }
    for (auto it = tips.cbegin(); it != tips.cend(); ++it)
        it.key()->setToolTip(it.value().join(QLatin1Char('\n')));
}

} // namespace

void applyRun(Form &form, const core::Run &run)
{
    for (const core::Event &event : run.events()) {
        if (event.kind == core::Event::Kind::MessageBox) {
            messages().inform(form.window(), QString::fromStdString(event.title),
                              QString::fromStdString(event.text));
            continue;
        }
        QWidget *control = form.control(event.target);
        if (!control)
            continue;
        switch (event.kind) {
        case core::Event::Kind::SetText:
            setCaption(control, QString::fromStdString(event.text));
            break;
        case core::Event::Kind::Show:
            control->show();
            break;
        case core::Event::Kind::Hide:
            control->hide();
            break;
        case core::Event::Kind::SetColours:
            setColours(control, toQColor(event.back), toQColor(event.fore));
            break;
        case core::Event::Kind::MessageBox:
            break;
        }
    }
    showRecord(form, run);
}

QString describeCheck(const core::Check &check)
{
    if (!check.applies()) {
        QString text = qstr(check.name) + QStringLiteral(" not applicable");
        if (!check.reason.empty())
            text += QStringLiteral(": ") + qstr(check.reason);
        return text;
    }
    const bool passes = check.outcome == core::Check::Outcome::Pass;
    const double percent = std::round(100 * check.ratio());
    return quantity(check.demandSymbol, check.demand, check.unit) +
           (passes ? QStringLiteral(" ≤ ") : QStringLiteral(" > ")) +
           quantity(check.capacitySymbol, check.capacity, check.unit) + QStringLiteral(": ") +
           qstr(core::reportNumber(percent)) + QStringLiteral(" %");
}

QString unitText(const std::string &unit)
{
    static const QRegularExpression power(QStringLiteral("(?<=[A-Za-z])([23])(?![0-9])"));
    QString text = qstr(unit);
    QRegularExpressionMatchIterator matches = power.globalMatch(text);
    QList<qsizetype> positions;
    while (matches.hasNext())
        positions.prepend(matches.next().capturedStart());
    for (const qsizetype at : positions)
        text.replace(at, 1,
                     text[at] == QLatin1Char('2') ? QStringLiteral("²") : QStringLiteral("³"));
    return text;
}

} // namespace ui
