#pragma once

class QObject;

// Holds the post-conversion hook of the program: after each conversion of the
// database the suite's standard registration jobs are inserted or updated.
class TmVoxJobCadastro {
 public:
  static void DepoisConverter(QObject *sender);
  // Installs DepoisConverter as the framework's post-conversion hook; done
  // once at start and left installed.
  static void Instalar();
};
