#include "nException_U.h"

Exception::Exception(QString message) : FMessage(std::move(message)), FWhat(FMessage.toUtf8()) {}
Exception::~Exception() = default;
const char *Exception::what() const noexcept { return FWhat.constData(); }

EAbort::EAbort() : Exception(QStringLiteral("Abort")) {}

EDatabaseError::EDatabaseError(QString message, QString statement, TnTipoErroBanco tipo, QString detalhe)
    : Exception(std::move(message)), FStatement(std::move(statement)), FTipo(tipo), FDetalhe(std::move(detalhe)) {}

EnField::EnField(TnField *field, QString message) : Exception(std::move(message)), FField(field) {}

EnParam::EnParam(TnpqParamItem *param, QString message) : Exception(std::move(message)), FParam(param) {}
