#include "gui/sheet/SheetModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <cmath>

#include "gui/entry/PlayerSections.h"

namespace yardmark {

namespace {

SheetGrid headerGrid() {
  namespace h = col::header;
  namespace d = col::gameDetails;
  SheetGrid g{"grdHeader",
              QString::fromLatin1(sectionName(kHeader).data()),
              {"Own Team Name", "Opp.Team Name", "Won/Loss", "Date", "Site", "Place", "Overtime Own", "Overtime Opp"},
              {},
              -1,
              {}};
  g.cells.push_back({{CellRole::Team, kHeader, h::kOwnTeamName},
                     {CellRole::Team, kHeader, h::kOppTeamName},
                     {CellRole::Result, kHeader, h::kRecordWins},
                     {CellRole::Date, kDetailsTable, d::kGameDate},
                     {CellRole::Site, kDetailsTable, d::kSite},
                     {CellRole::Edit, kDetailsTable, d::kPlace},
                     {CellRole::Edit, kDetailsTable, d::kOvertimeOwn},
                     {CellRole::Edit, kDetailsTable, d::kOvertimeOpp}});
  return g;
}

SheetGrid quarterGrid() {
  SheetGrid g{"grdQuarter", "Quarter", {"1", "2", "3", "4", "Total"}, {"Opponent Team", "Own Team"}, -1, {}};
  for (int side = 0; side < 2; ++side) {  // the opponent's column comes first in each pair
    std::vector<SheetCell> row;
    for (int q = 0; q < 4; ++q) row.push_back({CellRole::Edit, kQuarter, col::quarter::kQuarter1Opp + 2 * q + side});
    row.push_back({CellRole::QuarterTotal, kQuarter, col::quarter::kTotalOpp + side});
    g.cells.push_back(row);
  }
  return g;
}

SheetGrid teamStatsGrid() {
  SheetGrid g{"grdTeamStats",
              QString::fromLatin1(sectionName(kTeamStats).data()),
              {"Opponent Team", "Own Team", "Players"},
              {},
              -1,
              {}};
  for (std::size_t i = 0; i < kTeamStatistics.size(); ++i) {
    const TeamStatistic& s = kTeamStatistics[i];
    g.rows << QString::fromLatin1(s.label.data(), static_cast<int>(s.label.size()));
    g.cells.push_back({{CellRole::Edit, kTeamStats, s.opp},
                       {CellRole::Edit, kTeamStats, s.own},
                       {CellRole::PlayersSum, kTeamStats, static_cast<int>(i)}});
  }
  return g;
}

SheetGrid playerGrid(const PlayerSectionConfig& c) {
  SheetGrid g{
      QStringLiteral("grd") + QString::fromLatin1(c.name), QString::fromLatin1(c.name), {"Player"}, {}, c.table, {}};
  g.cells.emplace_back();
  g.cells[0].push_back({CellRole::Name, c.table, c.nameColumn()});
  for (const NumberBox& box : c.boxes) {
    g.columns << QString::fromLatin1(box.label);
    g.cells[0].push_back({CellRole::Edit, c.table, box.column});
  }
  return g;
}

}  // namespace

std::vector<SheetGrid> sheetGrids() {
  std::vector<SheetGrid> grids{headerGrid(), quarterGrid(), teamStatsGrid()};
  for (const PlayerSectionConfig& c : kPlayerSections) grids.push_back(playerGrid(c));
  return grids;
}

SheetModel::SheetModel(SheetGrid grid, BoxScore*& sheet, const SheetMarks& marks, QObject* parent)
    : QAbstractTableModel(parent), m_grid(std::move(grid)), m_sheet(sheet), m_marks(marks), m_rows(rowCount()) {}

int SheetModel::dataRows() const {
  if (!m_sheet || !isPlayerGrid()) return 0;
  return static_cast<int>(m_sheet->rows(m_grid.playerTable).size());
}

int SheetModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return isPlayerGrid() ? dataRows() + 2 : static_cast<int>(m_grid.cells.size());
}

int SheetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_grid.columns.size(); }

SheetCell SheetModel::cellAt(const QModelIndex& index) const {
  if (!index.isValid()) return {};
  if (isPlayerGrid())
    return index.row() > dataRows() ? SheetCell{} : m_grid.cells[0][static_cast<size_t>(index.column())];
  return m_grid.cells[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
}

QString SheetModel::text(const SheetCell& cell, int row) const {
  if (!m_sheet) return {};
  const std::size_t r = isPlayerGrid() ? static_cast<std::size_t>(row) : 0;
  if (isPlayerGrid() && row >= dataRows()) return {};
  switch (cell.role) {
    case CellRole::Result: {
      if (m_sheet->cell(kHeader, 0, col::header::kRecordWins) == "1") return QStringLiteral("Won");
      return m_sheet->cell(kHeader, 0, col::header::kRecordLosses) == "1" ? QStringLiteral("Loss") : QString();
    }
    case CellRole::QuarterTotal: {
      double sum = 0;
      bool any = false;
      for (int o = cell.ordinal - col::quarter::kTotalOpp + 1; o < col::quarter::kTotalOpp; o += 2) {
        const std::string& t = m_sheet->cell(kQuarter, 0, o);
        any = any || !t.empty();
        sum += numberFromText(t);
      }
      return any ? QString::fromStdString(textOfNumber(sum)) : QString();
    }
    case CellRole::PlayersSum: {
      const double sum = m_marks.playersSums.empty() ? NAN : m_marks.playersSums[static_cast<size_t>(cell.ordinal)];
      return std::isnan(sum) ? QString() : QStringLiteral("players: %1").arg(QString::fromStdString(textOfNumber(sum)));
    }
    case CellRole::None:
      return {};
    default:
      return QString::fromStdString(m_sheet->cell(cell.table, r, cell.ordinal));
  }
}

QString SheetModel::total(int column) const {
  const SheetCell& c = m_grid.cells[0][static_cast<size_t>(column)];
  if (c.role == CellRole::Name) return QStringLiteral("Totals");
  double sum = 0;
  for (const SheetRow& r : m_sheet->rows(c.table)) sum += numberFromText(r.cells[static_cast<size_t>(c.ordinal - 1)]);
  return QString::fromStdString(textOfNumber(sum));
}

QString SheetModel::duplicateOf(int row, const QString& name) const {
  if (name.isEmpty()) return {};
  const auto& rows = m_sheet->rows(m_grid.playerTable);
  const int nameColumn = playerNameColumn(static_cast<GameTable>(m_grid.playerTable));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i)
    if (i != row && rows[static_cast<size_t>(i)].cells[static_cast<size_t>(nameColumn - 1)] == name.toStdString())
      return QStringLiteral("%1 is also in row %2 of %3.").arg(name).arg(i + 1).arg(m_grid.caption);
  return {};
}

QVariant SheetModel::mark(const QModelIndex& index, int role) const {
  const SheetCell c = cellAt(index);
  const int row = isPlayerGrid() ? index.row() : 0;
  QStringList why;
  bool bad = false;
  if (const auto f = m_marks.failures.find({c.table, row}); isPlayerGrid() && f != m_marks.failures.end()) {
    why << f->second;
    bad = true;
  }
  const int ordinal = c.role == CellRole::PlayersSum ? kTeamStatistics[static_cast<size_t>(c.ordinal)].own : c.ordinal;
  if (const auto f = m_marks.findings.find({c.table, row, ordinal}); f != m_marks.findings.end()) why << f->second;
  const QString shown = text(c, index.row());
  if (c.role == CellRole::Name && !shown.isEmpty() && m_marks.rosterRead &&
      !m_marks.roster.count(shown.toStdString())) {
    why << QStringLiteral("%1 is not on the roster.").arg(shown);
    if (role == Qt::ForegroundRole) return QBrush(Qt::red);
  }
  if (c.role == CellRole::PlayersSum && !shown.isEmpty()) {
    const double sum = m_marks.playersSums[static_cast<size_t>(c.ordinal)];
    const double own = numberFromText(m_sheet->cell(kTeamStats, 0, ordinal));
    if (own != sum) why << QStringLiteral("Own Team: %1, %2.").arg(QString::fromStdString(textOfNumber(own)), shown);
  }
  if (c.role == CellRole::Name) {
    const QString twice = duplicateOf(index.row(), shown);
    if (!twice.isEmpty()) why << twice;
  }
  if (role == Qt::ToolTipRole) return why.isEmpty() ? QVariant() : QVariant(why.join('\n'));
  if (role == Qt::BackgroundRole && (bad || !why.isEmpty()))
    return QBrush(bad ? QColor(255, 200, 200) : QColor(255, 240, 190));
  return {};
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !m_sheet) return {};
  const bool totals = isPlayerGrid() && index.row() == dataRows() + 1;
  const SheetCell c = cellAt(index);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return totals ? total(index.column()) : text(c, index.row());
    case Qt::TextAlignmentRole:
      return QVariant::fromValue((c.role == CellRole::Edit && isNumberColumn(c.table, c.ordinal)) ||
                                         c.role == CellRole::QuarterTotal || (totals && index.column() > 0)
                                     ? Qt::AlignRight | Qt::AlignVCenter
                                     : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole: {
      if (!totals && c.role != CellRole::QuarterTotal) return {};
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    case kRoleRole:
      return static_cast<int>(c.role);
    case kKeysRole:
      return c.role == CellRole::Edit ? static_cast<int>(keysOf(c.table, c.ordinal)) : -1;
    case Qt::ToolTipRole:
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
      return totals ? QVariant() : mark(index, role);
    default:
      return {};
  }
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return m_grid.columns.value(section);
  if (!isPlayerGrid()) return m_grid.rows.value(section);
  return section == dataRows() + 1 ? QString() : QString::number(section + 1);
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
  const SheetCell c = cellAt(index);
  const bool editable = c.role != CellRole::None && c.role != CellRole::QuarterTotal && c.role != CellRole::PlayersSum;
  return Qt::ItemIsEnabled | (editable ? Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::ItemIsSelectable);
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const SheetCell c = cellAt(index);
  if (role != Qt::EditRole || !m_sheet || !(flags(index) & Qt::ItemIsEditable)) return false;
  // A name is kept as typed: the roster's names end in a blank when they have no middle name.
  QString typed = c.role == CellRole::Name ? value.toString() : value.toString().trimmed();
  const std::size_t row = isPlayerGrid() ? static_cast<std::size_t>(index.row()) : 0;
  if (isPlayerGrid() && index.row() == dataRows() && typed.isEmpty()) return true;  // the blank row stays blank
  if (c.role == CellRole::Result) {
    const bool won = typed.startsWith('W', Qt::CaseInsensitive), lost = typed.startsWith('L', Qt::CaseInsensitive);
    // One change for Ctrl+Z: both marks go back together.
    const bool first = m_sheet->set(kHeader, 0, col::header::kRecordWins, typed.isEmpty() ? "" : won ? "1" : "0");
    m_sheet->set(kHeader, 0, col::header::kRecordLosses, typed.isEmpty() ? "" : lost ? "1" : "0", first);
  } else {
    if (c.role == CellRole::Edit && isNumberColumn(c.table, c.ordinal) &&
        !numberCellTakes(keysOf(c.table, c.ordinal), typed.toStdString())) {
      if (refused) refused(QStringLiteral("\"%1\" is not a figure this cell takes.").arg(typed));
      return false;
    }
    if (c.role == CellRole::Date) {
      const auto iso = isoDate(typed.toStdString(),
                               static_cast<int>(numberFromText(m_sheet->file().parent_path().filename().string())));
      if (!iso) {
        if (refused) refused(QStringLiteral("\"%1\" is not a date. Type it as 2026-09-12 or 9/12.").arg(typed));
        return false;
      }
      typed = QString::fromStdString(*iso);
    }
    if (c.role == CellRole::Name && nameLeft && !typed.isEmpty() && text(c, index.row()) != typed) {
      const std::optional<QString> taken = nameLeft(typed, index);
      if (!taken) return false;
      typed = *taken;
    }
    const int before = dataRows();
    m_sheet->set(c.table, row, c.ordinal, typed.toStdString());
    if (dataRows() != before) {  // the blank row became a row: a new blank row below it
      beginInsertRows({}, before + 1, before + 1);
      m_rows = rowCount();
      endInsertRows();
    }
  }
  emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
  return true;
}

void SheetModel::sync() {
  const int now = rowCount();
  if (now > m_rows) {
    beginInsertRows({}, m_rows, now - 1);
    m_rows = now;
    endInsertRows();
  } else if (now < m_rows) {
    beginRemoveRows({}, now, m_rows - 1);
    m_rows = now;
    endRemoveRows();
  }
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace yardmark
