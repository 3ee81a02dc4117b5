#pragma once

#include <QList>
#include <QString>

#include "nMenuDecl_U.h"

// The additional design settings of a data module (its DefAdic).
struct TnDefAdic {
  // One ordering of a lookup grid: its caption and the fields ("A,B").
  struct TnOrdem {
    QString Caption;
    QString Campos;
  };

  // The ordering fields of the grid forms ("CodigoEmpresa, CodigoEstab");
  // empty keeps the select's order.
  QString Ordem;
  // The caption of that ordering in a lookup grid ("Protocolo").
  QString CaptionOrdem;
  // Further orderings a lookup grid offers ("Descrição Tipo" on DESCRTIPODOC).
  QList<TnOrdem> OrdensAdicionais;
  // The fields the forms show: "*" for every visible field, or a list
  // ("CODIGOEMPRESA, CODIGOESTAB, CODIGODOCEMP").
  QString Atributos = QStringLiteral("*");
  // The class's menu declarations (filled from the class-level Menus when the
  // module is created).
  QList<TnMenuDecl> Menus;
  // The session's selection parameters the module applies when it opens
  // (filled from the class-level PegarVerificaSelecao when created).
  QString VerificaSelecao;
  // The module library's package the class belongs to ("PbCfg"); empty for
  // the main one.
  QString Pacote;
};
