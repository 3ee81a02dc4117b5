#pragma once

#include "nframework_export.h"

// What a view of a client dataset (an item model of a grid) is told about the
// dataset's current view. Rows are 0-based positions in the view: RecNo() - 1.
//
// Changes come in pairs so a Qt item model can bracket them with its
// begin…/end… calls: Antes… is sent while the view still has its old rows,
// the matching after-call once it has the new ones. A row that moves (a post
// in an indexed view) comes as a removal followed by an insertion.
//
// While the dataset's controls are disabled nothing is sent; when they are
// enabled again after changes the observer gets one AntesReiniciar/Reiniciado
// pair (or one CursorMovido when only the cursor moved), and must then read
// everything again.
//
// A row being inserted is not part of the view (RecordCount does not count
// it); EstadoAlterado tells that the state changed, and
// TnClientDataSet::PosicaoInsercao() says where such a row shows.
//
// The dataset does not own its observers and an observer may outlive it:
// DataSetDestruido is the last thing it hears, from the dataset's destructor,
// after which it must neither use the dataset nor remove itself from it.
class NFRAMEWORK_EXPORT TnObservadorDataSet {
 public:
  virtual ~TnObservadorDataSet();

  virtual void AntesInserirLinhas(int primeira, int ultima) {}
  virtual void LinhasInseridas(int primeira, int ultima) {}
  virtual void AntesRemoverLinhas(int primeira, int ultima) {}
  virtual void LinhasRemovidas(int primeira, int ultima) {}
  // Values of a row changed (a post, or a field set while editing); -1 for
  // the row being inserted.
  virtual void LinhaAlterada(int linha) {}
  virtual void AntesReiniciar() {}
  virtual void Reiniciado() {}
  virtual void CursorMovido() {}
  virtual void EstadoAlterado() {}
  virtual void DataSetDestruido() {}
};
