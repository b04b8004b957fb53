#include "app/import_dialog.h"

#include "app/design_windows.h"
#include "app/project_session.h"
#include "app/project_windows.h"
#include "core/number_format.h"
#include "project/atomic_file.h"
#include "widgets/seams.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <array>

namespace app {

namespace {

QString fromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Headings analysis programs and spreadsheets give each column, in the order they are tried.
struct ColumnGuess {
    const char *name;
    std::array<const char *, 8> headings;
};

constexpr std::array kColumnGuesses{
    ColumnGuess{"mark", {"mark", "joint", "support", "node", "label", "point", "name", "id"}},
    ColumnGuess{"load", {"p", "fz", "f3", "n", "axial", "rz", "fy", nullptr}},
    ColumnGuess{"moment", {"m", "my", "m2", "mx", "m1", "m3", nullptr, nullptr}},
    ColumnGuess{"sideT", {"t", "depth", "h", "tc", nullptr, nullptr, nullptr, nullptr}},
    ColumnGuess{"sideB", {"b", "width", "bc", nullptr, nullptr, nullptr, nullptr, nullptr}},
};

// A heading as it is compared with the guesses: letters and digits only, in lower case, and
// without what follows an opening bracket ("F3 (kN)" is "f3").
QString bareHeading(const QString &heading)
{
    QString bare;
    for (const QChar c : heading) {
        if (c == u'(' || c == u'[')
            break;
        if (c.isLetterOrNumber())
            bare += c.toLower();
    }
    return bare;
}

enum Column { Mark, Support, Load, Moment, SideT, SideB, Case, Governing, ColumnCount };

const QString kNone = QStringLiteral("(none)");

} // namespace

// --- ImportPreviewModel ---------------------------------------------------------------------

void ImportPreviewModel::setPreview(const project::ImportPreview *preview)
{
    beginResetModel();
    m_preview = preview;
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_preview ? 0 : int(m_preview->footings.size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!m_preview || !index.isValid() || std::size_t(index.row()) >= m_preview->footings.size())
        return {};
    const project::ImportedFooting &imported = m_preview->footings[std::size_t(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() >= Load && index.column() <= SideB)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const auto side = [](const std::optional<double> &value) {
        return value ? fromStd(core::formatNumber(*value)) : QStringLiteral("—");
    };
    const project::Footing &footing = imported.footing;
    switch (index.column()) {
    case Mark:
        return fromStd(footing.mark);
    case Support:
        return footing.source ? fromStd(footing.source->support) : QString();
    case Load:
        return fromStd(core::formatNumber(imported.load));
    case Moment:
        return fromStd(core::formatNumber(imported.moment));
    case SideT:
        return side(imported.sideT);
    case SideB:
        return side(imported.sideB);
    case Case: {
        const core::DesignWindowInfo *isolated = findDesignWindow("isolated");
        return QStringLiteral("%1 %2")
            .arg(footing.footingCase)
            .arg(fromStd(isolated->caseNames[std::size_t(footing.footingCase)]));
    }
    case Governing:
        return footing.source ? fromStd(project::governingRowText(*footing.source)) : QString();
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const std::array<const char *, ColumnCount> kHeadings{
        "Mark", "Support", "P (t)", "M (t.m)", "t (cm)", "b (cm)", "Case", "Governing row"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(kHeadings[section])
                                                 : QVariant();
}

// --- ImportDialog ---------------------------------------------------------------------------

ImportDialog::ImportDialog(ProjectSession &session, QWidget *parent)
    : QDialog(parent), m_session(session), m_model(new ImportPreviewModel(this)),
      m_source(new QLabel(tr("No table yet: choose a file, or copy the cells of a spreadsheet "
                             "and paste them."),
                          this)),
      m_mark(new QComboBox(this)), m_load(new QComboBox(this)), m_moment(new QComboBox(this)),
      m_sideT(new QComboBox(this)), m_sideB(new QComboBox(this)), m_units(new QComboBox(this)),
      m_rule(new QComboBox(this)), m_case(new QComboBox(this)), m_view(new QTableView(this)),
      m_badRows(new QListWidget(this)), m_summary(new QLabel(this)), m_skip(new QCheckBox(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("importReactions"));
    setWindowTitle(tr("Import Support Reactions"));
    m_source->setWordWrap(true);

    auto *browse = new QPushButton(tr("&Browse…"), this);
    browse->setObjectName(QStringLiteral("browse"));
    connect(browse, &QPushButton::clicked, this, &ImportDialog::chooseFile);
    auto *paste = new QPushButton(tr("&Paste"), this);
    paste->setObjectName(QStringLiteral("paste"));
    connect(paste, &QPushButton::clicked, this, &ImportDialog::pasteTable);
    auto *sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_source, 1);
    sourceRow->addWidget(browse);
    sourceRow->addWidget(paste);

    const std::array<std::pair<QComboBox *, const char *>, 5> columns{{{m_mark, "mark"},
                                                                       {m_load, "load"},
                                                                       {m_moment, "moment"},
                                                                       {m_sideT, "sideT"},
                                                                       {m_sideB, "sideB"}}};
    for (const auto &[list, name] : columns) {
        list->setObjectName(QString::fromLatin1(name));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(list, &QComboBox::currentIndexChanged, this, &ImportDialog::updatePreview);
    }
    auto *map = new QGroupBox(tr("Columns"), this);
    auto *mapForm = new QFormLayout(map);
    mapForm->addRow(tr("Support &label:"), m_mark);
    mapForm->addRow(tr("&Axial load P:"), m_load);
    mapForm->addRow(tr("&Moment M:"), m_moment);
    mapForm->addRow(tr("Column side &t (cm):"), m_sideT);
    mapForm->addRow(tr("Column side &b (cm):"), m_sideB);

    m_units->setObjectName(QStringLiteral("units"));
    m_units->addItem(tr("t and t.m"), int(project::LoadUnits::Tonnes));
    m_units->addItem(tr("kN and kN.m, converted with g = 9.81"),
                     int(project::LoadUnits::Kilonewtons));
    m_rule->setObjectName(QStringLiteral("rule"));
    m_rule->addItem(tr("The row with the largest P"), int(project::GoverningRule::LargestLoad));
    m_rule->addItem(tr("The row with the largest M, with its P"),
                    int(project::GoverningRule::LargestMoment));
    m_rule->addItem(tr("Every row its own footing"), int(project::GoverningRule::EachRow));
    m_case->setObjectName(QStringLiteral("case"));
    const core::DesignWindowInfo *isolated = findDesignWindow("isolated");
    for (std::size_t c = 1; c < isolated->caseNames.size(); ++c)
        m_case->addItem(QStringLiteral("%1 %2").arg(c).arg(fromStd(isolated->caseNames[c])),
                        int(c));
    m_case->setCurrentIndex(m_case->findData(project::kDefaultMomentCase));
    for (QComboBox *list : {m_units, m_rule, m_case})
        connect(list, &QComboBox::currentIndexChanged, this, &ImportDialog::updatePreview);
    auto *design = new QGroupBox(tr("Loads and design"), this);
    auto *designForm = new QFormLayout(design);
    designForm->addRow(tr("&Units of the loads:"), m_units);
    designForm->addRow(tr("&Governing row of a support:"), m_rule);
    designForm->addRow(tr("&Case of a footing with a moment:"), m_case);
    auto *noMoment = new QLabel(tr("A footing without a moment is designed for Uniform Stress. "
                                   "Every footing starts from the project's default texts."),
                                this);
    noMoment->setWordWrap(true);
    designForm->addRow(noMoment);

    auto *options = new QHBoxLayout;
    options->addWidget(map);
    options->addWidget(design, 1);

    m_view->setObjectName(QStringLiteral("preview"));
    m_view->setModel(m_model);
    m_view->setSelectionMode(QAbstractItemView::NoSelection);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_badRows->setObjectName(QStringLiteral("badRows"));
    m_badRows->setMaximumHeight(110);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_skip->setObjectName(QStringLiteral("skipBadRows"));
    connect(m_skip, &QCheckBox::toggled, this, &ImportDialog::updatePreview);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &ImportDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sourceRow);
    layout->addLayout(options);
    layout->addWidget(new QLabel(tr("Footings to add:"), this));
    layout->addWidget(m_view, 1);
    layout->addWidget(m_summary);
    layout->addWidget(new QLabel(tr("Rows that cannot be imported:"), this));
    layout->addWidget(m_badRows);
    layout->addWidget(m_skip);
    layout->addWidget(m_buttons);
    resize(900, 640);
    updatePreview();
}

QComboBox *ImportDialog::columnList(const char *name) const
{
    return findChild<QComboBox *>(QString::fromLatin1(name));
}

QPushButton *ImportDialog::importButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

QString ImportDialog::summaryText() const
{
    return m_summary->text();
}

void ImportDialog::setTable(const QString &text, const QString &source)
{
    m_text = text.toStdString();
    m_table = {};
    const auto problem = project::readTable(m_text, m_table);
    m_source->setText(source);
    const QSignalBlocker blockers[] = {QSignalBlocker(m_mark), QSignalBlocker(m_load),
                                       QSignalBlocker(m_moment), QSignalBlocker(m_sideT),
                                       QSignalBlocker(m_sideB)};
    for (QComboBox *list : {m_mark, m_load, m_moment, m_sideT, m_sideB}) {
        list->clear();
        if (list != m_mark && list != m_load)
            list->addItem(kNone);
        if (!problem) {
            for (const std::string &heading : m_table.headings)
                list->addItem(QString::fromStdString(heading));
        }
    }
    guessColumns();
    updatePreview();
}

void ImportDialog::guessColumns()
{
    bool kilonewtons = false;
    for (const ColumnGuess &guess : kColumnGuesses) {
        QComboBox *list = columnList(guess.name);
        for (const char *heading : guess.headings) {
            if (!heading)
                break;
            const int found = [&] {
                for (int i = 0; i < list->count(); ++i) {
                    if (bareHeading(list->itemText(i)) == QLatin1String(heading))
                        return i;
                }
                return -1;
            }();
            if (found >= 0) {
                list->setCurrentIndex(found);
                kilonewtons = kilonewtons || list->itemText(found).contains(QLatin1String("kN"),
                                                                            Qt::CaseInsensitive);
                break;
            }
        }
    }
    if (kilonewtons)
        m_units->setCurrentIndex(m_units->findData(int(project::LoadUnits::Kilonewtons)));
}

void ImportDialog::chooseFile()
{
    const QString file = ui::messages().openFileName(
        this, tr("Import Support Reactions"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Tables of reactions (*.csv *.txt *.tsv);;All files (*)"));
    if (file.isEmpty())
        return;
    std::string text;
    if (const auto problem =
            project::readSmallFile(file.toStdString(), project::kReactionsSizeLimit, text)) {
        ui::messages().warn(this, windowTitle(), QString::fromStdString(*problem));
        return;
    }
    setTable(QString::fromStdString(text), QFileInfo(file).absoluteFilePath());
}

void ImportDialog::pasteTable()
{
    const QString text = QApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        ui::messages().warn(this, windowTitle(),
                            tr("The clipboard holds no text: copy the cells of the table, "
                               "with their heading row, in the spreadsheet first."));
        return;
    }
    setTable(text, tr("Pasted from the clipboard"));
}

project::ImportOptions ImportDialog::options() const
{
    const auto heading = [](const QComboBox *list) {
        const QString text = list->currentText();
        return text == kNone ? std::string() : text.toStdString();
    };
    project::ImportOptions options;
    options.columns = {heading(m_mark), heading(m_load), heading(m_moment), heading(m_sideT),
                       heading(m_sideB)};
    options.units = project::LoadUnits(m_units->currentData().toInt());
    options.rule = project::GoverningRule(m_rule->currentData().toInt());
    options.momentCase = m_case->currentData().toInt();
    options.skipBadRows = m_skip->isChecked();
    return options;
}

void ImportDialog::updatePreview()
{
    m_model->setPreview(nullptr);
    m_badRows->clear();
    if (m_text.empty()) {
        m_preview = {};
        m_summary->clear();
    } else {
        m_preview = project::previewImport(m_text, options(), m_session.project());
        m_summary->setText(m_preview.refusal ? QString::fromStdString(*m_preview.refusal)
                                             : QString::fromStdString(m_preview.summary));
        for (const project::BadRow &bad : m_preview.badRows)
            m_badRows->addItem(QString::fromStdString(bad.text()));
    }
    m_model->setPreview(&m_preview);
    m_view->resizeColumnsToContents();
    const qsizetype bad = qsizetype(m_preview.badRows.size());
    m_skip->setEnabled(bad > 0);
    m_skip->setText(bad == 1 ? tr("Import the other rows and skip the row listed")
                             : tr("Import the other rows and skip the %1 rows listed").arg(bad));
    importButton()->setEnabled(!m_preview.refusal && !m_preview.footings.empty() &&
                               (bad == 0 || m_skip->isChecked()));
}

void ImportDialog::accept()
{
    if (!importButton()->isEnabled())
        return;
    if (const auto problem = m_session.importFootings(m_preview, m_skip->isChecked())) {
        ui::messages().warn(this, windowTitle(), QString::fromStdString(problem->message));
        return;
    }
    QDialog::accept();
}

ImportDialog *importReactions(QWidget *parent)
{
    auto *dialog = new ImportDialog(session(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, parent, [] { showSchedule(); });
    dialog->open();
    return dialog;
}

} // namespace app
