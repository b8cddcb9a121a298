#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <span>

#include "nucleo/model/Cifra.h"
#include "nucleo/model/Pantalla.h"
#include "nucleo/model/Valores.h"

namespace dorvelna {

// Los formularios que reconoce el motor.
enum class Formulario {
  Caracteristicas,   // frmCaracteristicas, grupo C
  CostesFijos1,      // frmCostesFijos1, grupo F1
  CostesFijos2,      // frmCostesFijos2, grupo F2
  CostesVariables,   // frmCostesVariables, grupo V
  CostesIndirectos,  // frmCostesIndirectos, grupo I
  Resultados,        // frmResultados, grupo R
  Servicio,          // frmServicio, grupo SS
};

Formulario FormularioDeGrupo(Grupo g);
Grupo GrupoDeFormulario(Formulario f);
const char* NombreFormulario(Formulario f);

// Las cinco instancias de un cálculo y las operaciones que cambian sus valores.
// El del programa está en su estado (EstadoPrograma); las pruebas y la calculadora crean los
// suyos.
class Calculo {
public:
  Valores ValoresS;         // ColumnaS, "Cálculo Personalizado"
  Valores ValoresO;         // ColumnaO, "Calibrario de Costes"
  Valores ValoresGrabados;  // entradas de ColumnaS tal como se leyeron o grabaron
  Valores Minimos;
  Valores Maximos;

  Calculo();
  explicit Calculo(Pantalla* pantalla);

  void PonerPantalla(Pantalla* pantalla);
  Pantalla& Vista() { return *pantalla_; }

  Valores& Registro(Columna c) { return c == Columna::S ? ValoresS : ValoresO; }

  // Estado inicial: límites del catálogo y mínimos copiados a las tres instancias de valores.
  void InicializarDatos();

  // Recalcula lo que depende del campo recién fijado, en una columna.
  void Calcular(Formulario form, Columna col, int indice);

  // Resultados (grupo R) de una columna y de las dos.
  void MostrarColumna(Columna col);
  void Actualizar();

  // Formulario de servicios: precio por viajero-km, kilómetros y horas excesivos, cinco costes.
  void Revisar();
  void CosteServicio(int bloque);  // bloque 1..5

  // Porcentaje de los costes indirectos sobre los directos; texto de tres líneas.
  // Devuelve nada si la sección está desglosada (el rótulo conserva su texto).
  std::optional<QString> Comentario(Columna col);

  // Efecto de pulsar la opción 1 ("Compra"/"Desglosado") o 2 de una sección.
  void CambiarModo(Seccion sec, Columna col, bool primeraOpcion);

  // Algún campo de entrada de ValoresS difiere de ValoresGrabados.
  bool HayCambios() const;
  // Tras escribir en la ficha desde fuera algo más que el campo que se pasa a Calcular (leer
  // un archivo, por ejemplo): el siguiente Calcular revisa los tipos de toda la ficha.
  void AvisarCambiosExternos() { posiblesVacios_ = true; }

private:
  void NormalizarTipos();
  void NormalizarCampo(Grupo g, int i);
  void HabilitarCampos(Grupo g, std::initializer_list<int> guardas,
                       std::initializer_list<int> dependientes);
  void AnularCampos(Grupo g, Columna col, std::initializer_list<int> indices);
  void MantenerDescuento(Columna col);

  // Derivaciones
  void RepartirTotal(Columna col, int t, int p, int a, int c, int r);
  void CalcularProduccion(Columna col);
  void ConvertirPotencia(Columna col, int cv, int kw);
  void PrecioSinNeumaticos(Columna col, int p, int t, int r);
  void AplicarPorcentaje(Grupo g, Columna col, int b, int q, int r);
  void MultiplicarYSumar(Columna col, int f, int g, int p, int a, int t);
  void CalcularPlusActividad(Columna col);
  void SumarCampos(Grupo g, Columna col, int t, std::span<const int> sumandos);
  void PrecioCarburante(Columna col);
  void CalcularReparaciones(Columna col);

  // Lectura numérica de un campo (vacío = 0; nada si no es un número).
  Cifra Num(Grupo g, Columna col, int i) const;
  bool EsSi(Grupo g, Columna col, int i) const;
  // Guarda x redondeado a los decimales del campo (como entero de 32 bits si se pide) y lo
  // muestra. Si x falta o el paso falla, el campo conserva su valor y su texto.
  bool FijarRedondeado(Grupo g, Columna col, int i, Cifra x, bool entero = false);
  // Guarda x tal cual (sin redondear) y lo muestra.
  bool FijarSinRedondear(Grupo g, Columna col, int i, Cifra x);
  void Mostrar(Grupo g, Columna col, int i);

  Pantalla pantallaNula_;
  Pantalla* pantalla_;
  // Puede haber campos vacíos en la ficha que aún no tienen el tipo de su campo.
  bool posiblesVacios_ = true;
};

// Resultados: costes que sólo se calculan aquí (una columna).
// Nada si el paso final falla (el resultado conserva entonces su valor).
std::optional<double> CosteAmortizacion(const Valores& v);
std::optional<double> CosteFinanciacion(const Valores& v);
std::optional<double> CosteCombustible(const Valores& v);
std::optional<double> CosteNeumaticos(const Valores& v);

}  // namespace dorvelna
