#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>
#include <map>
#include <vector>

#include "gui/campos/Colores.h"
#include "gui/comun/Aspecto.h"
#include "nucleo/model/Calculo.h"

namespace dorvelna {

class CampoTexto;
class EdicionCampos;

// Un formulario de datos: Frame1 (marco exterior con su título guardado aparte), la columna
// S "Cálculo Personalizado" y la columna O "Calibrario de Costes". Cada formulario concreto
// construye una columna; la misma construcción sirve para las dos. El nombre y el título
// salen de la tabla de formularios. Muestra el cálculo que recibe y edita sus campos con la
// edición que recibe; lo que pide a la ventana va por sus señales.
class FormularioDatos : public QWidget {
  Q_OBJECT
public:
  FormularioDatos(Formulario tipo, Calculo& calculo, EdicionCampos& edicion, QWidget* padre);

  Formulario Tipo() const { return tipo_; }
  Grupo GrupoDatos() const { return GrupoDeFormulario(tipo_); }
  QString Titulo() const;

  QGroupBox* Frame1 = nullptr;
  QGroupBox* FrameS = nullptr;
  QGroupBox* FrameO = nullptr;  // nulo en frmServicio

  CampoTexto* Control(Columna col, int indice) const;
  // Control que recibe el foco al volver al formulario.
  QWidget* ControlActivo() const;
  void RecordarActivo(QWidget* control) { activo_ = control; }

  // Avisos de la pantalla del núcleo que sólo algunos formularios atienden. Por omisión,
  // un cambio de modo marca el botón elegido de su pareja.
  virtual void ModoAplicado(Seccion sec, Columna col, bool primeraOpcion);
  virtual void ComentarioCambiado(Columna, const QString& /*texto*/) {}
  virtual void FilasIndirectasVisibles(Columna, bool /*visibles*/) {}
  virtual void ResultadosCalculados(Columna) {}
  virtual void MostrarResultado(Columna, int /*indice*/, const Valor&) {}

signals:
  // Un control de la columna S o un botón de opción recibió el foco: la ventana, si éste es
  // el formulario a la vista, lo desplaza hasta dejar el control a la vista.
  void controlEnfocado();
  // Se teclea en un campo: la ventana desplaza el formulario hasta dejarlo a la vista.
  void campoTecleado();
  // RePág (33) o AvPág (34) en un campo o en el formulario: se desplaza una página.
  void paginaPedida(int tecla);
  // Un campo no admite lo tecleado: el mensaje se da con el título "Error".
  void valorRechazado(const QString& mensaje);

protected:
  Calculo& Datos() const { return calculo_; }

  // Crea Frame1 y los marcos de columna del tamaño dado (twips) y construye cada columna.
  void Construir(int anchoColumna, int altoColumna, bool conColumnaO = true);
  virtual void ConstruirColumna(QGroupBox* marco, Columna col) = 0;

  // Filas de datos, medidas en twips: un rótulo, que crece hacia abajo si su texto no cabe,
  // y los campos de la fila centrados en su altura. Tras la fila, y baja el alto del rótulo
  // más la separación, y nunca menos que el mínimo.
  struct PasoFilas {
    int separacion = 0;
    int minimo = 0;
    int altoRotulo = 285;  // de diseño
    int altoMinimo = 0;    // el rótulo cuenta al menos con este alto
    bool medir = true;     // false: filas de alto fijo, que no miran el rótulo
  };
  struct CampoFila {
    int indice, left, width;
    const char* sufijo = nullptr;  // texto tras el campo ("%")
    int leftSufijo = 0, anchoSufijo = 0;
    QString detalle = {};  // cuál de los campos de la fila es, para los lectores de pantalla
  };
  struct FilaDatos {
    QLabel* rotulo = nullptr;
    std::vector<QWidget*> controles;  // guion, campos y sufijos, en su orden
  };
  // guion: left de un "-" delante de una subfila, alineado arriba si el rótulo ocupa varias
  // líneas; -1 si no lo lleva.
  FilaDatos NuevaFila(QWidget* contenedor, Columna col, int& y, const PasoFilas& paso,
                      const QString& rotulo, int left, int width,
                      const std::vector<CampoFila>& campos, int guion = -1, int anchoGuion = 0);

  CampoTexto* NuevoCampo(QWidget* contenedor, Columna col, int indice, int left, int top, int width,
                         int height = 285);
  QLabel* NuevaEtiqueta(QWidget* contenedor, const QString& texto, int left, int top, int width,
                        int height = 285,
                        Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter);
  QGroupBox* NuevoMarco(QWidget* contenedor, const QString& titulo, int left, int top, int width,
                        int height, const QColor& fondo);
  // Pareja de opciones de la sección en su marco (Frame + columna + letra + sufijo, con
  // OptionSD(1) y OptionSD(2)...). En la columna S el marco lleva su ayuda y los botones
  // cambian el modo; en la O es un reflejo apagado.
  QGroupBox* NuevaPareja(QWidget* contenedor, Seccion sec, Columna col, const char* sufijoMarco,
                         int left, int top, int width, int height);
  void MarcarPareja(Seccion sec, Columna col, bool primeraOpcion);

private:
  Formulario tipo_;
  Calculo& calculo_;
  EdicionCampos& edicion_;
  std::map<int, CampoTexto*> camposS_;
  std::map<int, CampoTexto*> camposO_;
  std::map<std::pair<Seccion, Columna>, std::array<QAbstractButton*, 2>> parejas_;
  QPointer<QWidget> activo_;
};

// Alto (twips) que ocupan los hijos de un marco, con un margen abajo; y ajustarlo a él.
int AltoContenido(QWidget* marco);
void AjustarAlto(QWidget* marco);

}  // namespace dorvelna
