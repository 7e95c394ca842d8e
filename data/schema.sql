-- Game file tables. Columns are reached by ordinal, so their order is the file format.
CREATE TABLE header (
  headerID INTEGER PRIMARY KEY AUTOINCREMENT,
  OwnTeamName TEXT,
  OppTeamName TEXT,
  Year REAL,
  GameNumber REAL,
  RecordWins INTEGER,
  RecordLosses INTEGER
);
CREATE TABLE quarter (
  quarterID INTEGER PRIMARY KEY AUTOINCREMENT,
  Quarter1Opp REAL,
  Quarter1Own REAL,
  Quarter2Opp REAL,
  Quarter2Own REAL,
  Quarter3Opp REAL,
  Quarter3Own REAL,
  Quarter4Opp REAL,
  Quarter4Own REAL,
  QuarterTotalOpp REAL,
  QuarterTotalOwn REAL
);
CREATE TABLE teamStats (
  teamStatsID INTEGER PRIMARY KEY AUTOINCREMENT,
  teamStatsFirstDownsOpp REAL,
  teamStatsRushingOpp REAL,
  teamStatsPassingOpp REAL,
  teamStatsPassingYrdsOpp REAL,
  teamStatsTotalOffenseOpp REAL,
  teamStatsFumblesLostOpp REAL,
  teamStatsPenaltiesOpp REAL,
  teamStatsPuntsOpp REAL,
  teamStatsPlaysOpp REAL,
  teamStatsPuntReturnsOpp REAL,
  teamStatsFirstDownsOwn REAL,
  teamStatsRushingOwn REAL,
  teamStatsPassingOwn REAL,
  teamStatsPassingYrdsOwn REAL,
  teamStatsTotalOffenseOwn REAL,
  teamStatsFumblesLostOwn REAL,
  teamStatsPenaltiesOwn REAL,
  teamStatsPuntsOwn REAL,
  teamStatsPlaysOwn REAL,
  teamStatsPuntReturnsOwn REAL
);
CREATE TABLE rushing (
  rushingID INTEGER PRIMARY KEY AUTOINCREMENT,
  indRushATT REAL,
  indRushYDS REAL,
  indRushTDS REAL,
  indRush2PTS REAL,
  indPlayerName TEXT
);
CREATE TABLE passing (
  passingID INTEGER PRIMARY KEY AUTOINCREMENT,
  indPassCOMP REAL,
  indPassATT REAL,
  indPassYDS REAL,
  indPassTDS REAL,
  indPassINT REAL,
  indPlayerName TEXT
);
CREATE TABLE receiving (
  receivingID INTEGER PRIMARY KEY AUTOINCREMENT,
  indRecREC REAL,
  indRecYDS REAL,
  indRecTDS REAL,
  indRec2PTS REAL,
  indPlayerName TEXT
);
CREATE TABLE scoring (
  scoringID INTEGER PRIMARY KEY AUTOINCREMENT,
  indScoreTD REAL,
  indScorePAT REAL,
  indScore2PTS REAL,
  indScoreFG REAL,
  indScorePTS REAL,
  indPlayerName TEXT
);
CREATE TABLE defense (
  defenseID INTEGER PRIMARY KEY AUTOINCREMENT,
  defUnassisted REAL,
  defAssists REAL,
  defQBSacks REAL,
  defPassDeflects REAL,
  defFumbleRecoveries REAL,
  defFumblesCaused REAL,
  defINTS REAL,
  defBlockedKicks REAL,
  defPlayerName TEXT
);
-- Added later: a game's date, site and overtime, one row per game. Older game files lack the table
-- until the program first writes details to them; readers take a missing table as no details.
CREATE TABLE gameDetails (
  gameDetailsID INTEGER PRIMARY KEY AUTOINCREMENT,
  GameDate TEXT,
  Site TEXT,
  Place TEXT,
  OvertimeOwn REAL,
  OvertimeOpp REAL,
  Notes TEXT
);
-- The roster database: one row per player.
CREATE TABLE roster (
  rosterID INTEGER PRIMARY KEY AUTOINCREMENT,
  rosterPlayerName_Last TEXT,
  rosterPlayerName_First TEXT,
  rosterPlayerName_Middle TEXT,
  -- Added later, after the names: older roster files get them on their first write.
  rosterNumber TEXT,
  rosterPosition TEXT,
  rosterGrade REAL
);
