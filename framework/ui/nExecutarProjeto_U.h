#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "nDMConexao_U.h"
#include "nUsuarioSessao_U.h"
#include "nframeworkui_export.h"

class QDialog;
class TnFrmMenuMorvane;
class TnFrmSplashMorvane;

// What builds the program's windows; each gives a new window the runner owns.
using TnFabricaSplash = std::function<TnFrmSplashMorvane *()>;
using TnFabricaMenu = std::function<TnFrmMenuMorvane *()>;
// A login dialog; the run goes on only when it is accepted.
using TnFabricaLogin = std::function<QDialog *()>;

// Runs the whole program and gives its exit code:
//   - --help prints the options (code 0) and a mistyped option says so
//     (code 1) on the terminal, with or without a screen;
//   - no screen to show windows on: one message on the error output, code 2,
//     before any window is made (see nMotivoSemTela);
//   - the options (nLerOpcoesProjeto) name the database and the user;
//   - opens (creates) the database, converts it (the post-conversion hook
//     runs inside the conversion) and, with --exemplo, loads the sample
//     office into a new or empty database;
//   - registers the framework's classes, installs the Qt layer, shows the
//     splash, builds the main window: AbriPacotes, ConfigurarVisualMenu,
//     CriarBtnToolBar; `*principal` holds the window while it exists;
//   - runs until the main window is closed, then closes the windows, frees
//     every module, unloads the libraries and disconnects.
// A database that cannot be opened, a bad option or an unknown user gives one
// message and code 1. `argc`/`argv` are the program's, for QApplication.
NFRAMEWORKUI_EXPORT int ExecutarProjeto(int &argc, char **argv, const QString &titulo, const TnFabricaSplash &splash,
                                        const TnFabricaMenu &menu, TnFrmMenuMorvane **principal,
                                        const TnFabricaLogin &login = nullptr);

// The command-line options of the program.
struct NFRAMEWORKUI_EXPORT TnOpcoesProjeto {
  TnConfigConexao Conexao;      // --banco FILE, --postgresql (MVOX_DB_*), over the environment
  std::optional<int> Usuario;   // --usuario N, else the configuration's "Sessao/Usuario"
  bool Exemplo = false;         // --exemplo: the sample office into a new, empty database
  QString Erro;                 // not empty: the options cannot be used, and why
};

// Reads the options from the program's arguments (the first is the program)
// over the process environment (MVOX_DB_*) and the configuration.
NFRAMEWORKUI_EXPORT TnOpcoesProjeto nLerOpcoesProjeto(const QStringList &argumentos);

// The program's help (--help), in Portuguese: usage line, title, options.
NFRAMEWORKUI_EXPORT QString nTextoAjuda(const QString &programa, const QString &titulo);

// Why no window can be shown, or empty when a screen may be there. Decided
// from the Qt platform asked for ("-platform" argument, else QT_QPA_PLATFORM,
// else the desktop's default): an X11 or Wayland platform needs DISPLAY or
// WAYLAND_DISPLAY; any other named platform (offscreen, vnc…) is taken as is.
NFRAMEWORKUI_EXPORT QString nMotivoSemTela(const QStringList &argumentos, const QProcessEnvironment &ambiente);

