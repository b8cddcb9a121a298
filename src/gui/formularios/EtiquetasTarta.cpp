#include "gui/formularios/EtiquetasTarta.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <vector>

namespace dorvelna {

namespace {

constexpr double kMedioPi = 1.5707963268;
constexpr double kPi = 3.1415926536;
constexpr double kTresMediosPi = 4.7123889804;
constexpr double kSeparacion = 50;
// Dos etiquetas de una misma fila quedan a este hueco (píxeles) como poco: pegadas, "0,8%" y
// "2,3%" se leerían como una sola cifra.
constexpr int kHueco = 3;

struct Circulo {
  double x, y, r;
};

bool TapaCirculo(const QRect& caja, const Circulo& c) {
  const double x = std::clamp(c.x, double(caja.left()), double(caja.left() + caja.width()));
  const double y = std::clamp(c.y, double(caja.top()), double(caja.top() + caja.height()));
  return (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y) < c.r * c.r;
}

bool Libre(const QRect& caja, const std::vector<QRect>& ocupadas) {
  return std::none_of(ocupadas.begin(), ocupadas.end(), [&](const QRect& o) {
    return caja.intersects(o.adjusted(-kHueco, 0, kHueco, 0));
  });
}

// El sitio libre más cercano a `deseada` (esquina, píxeles) con la etiqueta entera dentro del
// dibujo. Se recorre por anillos cuadrados alrededor de `deseada` y se para en cuanto ningún
// anillo más lejano puede dar un sitio más cerca; a igual distancia gana el primero del recorrido.
std::optional<QPoint> BuscarSitio(QPoint deseada, QSize tam, QSize dibujo,
                                  const std::vector<QRect>& ocupadas, const Circulo& circulo,
                                  bool admitirCirculo) {
  const int maxX = dibujo.width() - tam.width(), maxY = dibujo.height() - tam.height();
  if (maxX < 0 || maxY < 0) return std::nullopt;
  const int limite = std::max({std::abs(deseada.x()), std::abs(deseada.x() - maxX),
                               std::abs(deseada.y()), std::abs(deseada.y() - maxY)});
  std::optional<QPoint> mejor;
  long long mejorDistancia = LLONG_MAX;
  auto probar = [&](int dx, int dy) {
    const int x = deseada.x() + dx, y = deseada.y() + dy;
    if (x < 0 || x > maxX) return;
    const long long distancia = 1LL * dx * dx + 1LL * dy * dy;
    if (distancia >= mejorDistancia) return;
    const QRect caja(QPoint(x, y), tam);
    if (!Libre(caja, ocupadas) || (!admitirCirculo && TapaCirculo(caja, circulo))) return;
    mejor = QPoint(x, y);
    mejorDistancia = distancia;
  };
  for (int k = 0; k <= limite && 1LL * k * k < mejorDistancia; ++k) {
    for (int dy = -k; dy <= k; ++dy) {
      const int y = deseada.y() + dy;
      if (y < 0 || y > maxY) continue;
      if (dy == -k || dy == k) {
        const int desde = std::max(-k, -deseada.x()), hasta = std::min(k, maxX - deseada.x());
        for (int dx = desde; dx <= hasta; ++dx) probar(dx, dy);
      } else {
        probar(-k, dy);
        probar(k, dy);
      }
    }
  }
  return mejor;
}

}  // namespace

std::array<EtiquetaSituada, 12> SituarEtiquetas(
    const MedidasTarta& medidas, const std::array<std::pair<double, double>, 12>& sectores,
    const std::array<QSize, 12>& tamanos) {
  const double t = medidas.twipsPorPixel;
  const double rho = medidas.radio + kSeparacion;
  const QRect dibujo(QPoint(0, 0), medidas.pixeles);
  const Circulo circulo{medidas.cx / t, medidas.cy / t, medidas.radio / t};
  std::array<EtiquetaSituada, 12> situadas;
  std::array<QRect, 12> previstas;

  // El sitio previsto: fuera del círculo, junto a la mitad del sector y de su lado.
  for (int i = 0; i < 12; ++i) {
    const double medio = (sectores[i].first + sectores[i].second) / 2;
    const double w = std::lround(tamanos[i].width() * t), h = std::lround(tamanos[i].height() * t);
    const double x = medidas.cx + rho * std::cos(medio), y = medidas.cy - rho * std::sin(medio);
    double left = x, top = y;
    if (medio >= 0 && medio < kMedioPi) {
      top -= h;
    } else if (medio >= kMedioPi && medio < kPi) {
      left -= w;
      top -= h;
    } else if (medio >= kPi && medio < kTresMediosPi) {
      left -= w;
    }
    situadas[i].left = static_cast<float>(left);
    situadas[i].top = static_cast<float>(top);
    auto aPixeles = [t](float v) {
      return static_cast<int>(std::lround(static_cast<int>(std::lround(v)) / t));
    };
    previstas[i] = QRect(QPoint(aPixeles(situadas[i].left), aPixeles(situadas[i].top)), tamanos[i]);
  }

  // Primero se quedan en su sitio las que caben en él, de la del sector más ancho a la del más
  // estrecho (a igual anchura, por ranuras); después cada una de las demás, en el mismo orden,
  // va al sitio libre más cercano, fuera del círculo si lo hay.
  std::array<int, 12> orden;
  for (int i = 0; i < 12; ++i) orden[i] = i;
  std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) {
    return sectores[a].second - sectores[a].first > sectores[b].second - sectores[b].first;
  });
  std::vector<QRect> ocupadas;
  std::array<bool, 12> colocada{};
  for (int i : orden) {
    if (dibujo.contains(previstas[i]) && Libre(previstas[i], ocupadas)) {
      situadas[i].caja = previstas[i];
      ocupadas.push_back(previstas[i]);
      colocada[i] = true;
    }
  }
  for (int i : orden) {
    if (colocada[i]) continue;
    EtiquetaSituada& s = situadas[i];
    s.movida = true;
    const QPoint deseada = previstas[i].topLeft();
    std::optional<QPoint> sitio =
        BuscarSitio(deseada, tamanos[i], medidas.pixeles, ocupadas, circulo, false);
    if (!sitio) sitio = BuscarSitio(deseada, tamanos[i], medidas.pixeles, ocupadas, circulo, true);
    if (sitio) {
      s.caja = QRect(*sitio, tamanos[i]);
    } else {
      // Un dibujo sin hueco para doce etiquetas: al menos entera dentro.
      const int x = std::clamp(deseada.x(), 0, std::max(0, dibujo.width() - tamanos[i].width()));
      const int y = std::clamp(deseada.y(), 0, std::max(0, dibujo.height() - tamanos[i].height()));
      s.caja = QRect(QPoint(x, y), tamanos[i]);
    }
    s.sobreCirculo = TapaCirculo(s.caja, circulo);
    ocupadas.push_back(s.caja);
  }
  return situadas;
}

}  // namespace dorvelna
