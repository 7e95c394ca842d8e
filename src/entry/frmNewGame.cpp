#include "entry/frmNewGame.h"

namespace yardmark {

frmNewGame::frmNewGame(App& app) : Form(app) {
  setObjectName("frmNewGame");
  setWindowTitle("New Game Stats");
}

}  // namespace yardmark
