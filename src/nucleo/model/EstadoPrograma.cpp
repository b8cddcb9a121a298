#include "nucleo/model/EstadoPrograma.h"

#include "nucleo/entrada/Formato.h"

namespace dorvelna {

EstadoPrograma::EstadoPrograma() : EstadoPrograma(ObtenerSeparadorDecimal().at(0)) {}

EstadoPrograma::EstadoPrograma(QChar separador) : SeparadorDecimal(separador) {}

}  // namespace dorvelna
