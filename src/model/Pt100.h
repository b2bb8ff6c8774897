#pragma once

// A Pt100 sensor's resistance and temperature.
namespace Pt100 {

// Ohms at a temperature in ºC (IEC 60751 coefficients).
double Resistance(double celsius);
// ºC of a resistance in ohms, by the device's piecewise polynomial (for display).
double Temperature(double ohms);

} // namespace Pt100
