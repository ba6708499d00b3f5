#include "frame/reference_sheets.h"

#include <cmath>

#include "platform/text_format.h"

namespace vd {

const char* referenceSheet(int commandId) {
  switch (commandId) {
    case 2570:
      return "Combining Factored Loads Using ASCE 7-02:\r\n\r\n (1) 1.4(D + F)\r\n (2) 1.2(D + F + T) + 1.6(L + H) + 0.5(Lr, or S or R)\r\n (3) 1.2D + 1.6(Lr or S or R) + (1.0L or 0.8W)\r\n (4) 1.2D + 1.6W + 1.0L + 0.5(Lr or S or R)\r\n (5) 1.2D + 1.0E + 1.0L + 0.2S\r\n (6) 0.9D + 1.6W + 1.6H\r\n (7) 0.9E + 1.0E +1.6H\r\n\r\n (Eq 9.5.2.7-1)   E=rho*(Q)e + 0.2(S)DS*D\r\n   (Eq 9.5.2.7-2)  E=rho*(Q)e - 0.2(S)DS*D\r\n\r\n D  = dead load;\r\n E  = earthquake load;\r\n F  = load due to fluids with well-defined pressures and maximum heights;\r\n H  = load due to lateral earth pressure, ground water pressure, or pressure of bulk materials;\r\n L  = live load;\r\n Lr = roof live load;\r\n (Q)e = the effect of horizontal seismic forces\r\n R  = rain load;\r\n rho= the reliability factor;\r\n S  = snow load;\r\n (S)DS = the design spectral response acceleration at short periods;\r\n W  = wind load\r\n\r\n from ASCE 7-02 Section 2.3.2 Basic Combinations";
    case 2571:
      return "Combining Factored Loads Using Allowable Stress Design:\r\n\r\n (1) D\r\n (2) D + L + F + H + T + (Lr, or S or R)\r\n (3) D + (W or 0.7E) + L + (Lr or S or R)\r\n (4) 0.6D + W + H\r\n (5) 0.6D + 0.7E + H\r\n\r\n D  = dead load;\r\n E  = earthquake load;\r\n F  = load due to fluids with well-defined pressures and maximum heights;\r\n H  = load due to lateral earth pressure, ground water pressure, or pressure of bulk materials;\r\n L  = live load;\r\n Lr = roof live load;\r\n R  = rain load;\r\n S  = snow load;\r\n W  = wind load\r\n\r\n from ASCE 7-98";
    case 2572:
      return "Combining Factored Loads Using Allowable Stress Design-Basic load combinations. 97 UBC 1612.3.1:\r\n\r\n ( 12-7)  D\r\n ( 12-8)  D + L + (Lr, or S)\r\n ( 12-9)  D + (W or E/1.4)\r\n (12-10)  0.9D + E/1.4\r\n (12-11)  D + 0.75[L + (Lr or S) + (W or E/1.4)]\r\n    no increase in allowable stress shall be used with these load combination using E & W.\r\n   E as defined in the UBC Section 1630.1.1 Earthquake loads\r\n (30-1)   E = rho *Eh + Ev\r\n\r\n (30-2)   Em = Oo *Eh   \t--a special combinations\r\n   Section 1630.8.2 Elements Supporting Discontinuous or 1633.2.6 Collector Elements.\r\n (12-17)  1.2D + f1*L + 1.0Em\r\n (12-18)  0.9D + 1.0Em\r\n\r\n D  = dead load;\r\n E  = earthquake load;\r\n Eh = the earthquake load due to the base shear, \r\n Em = the estimated maximum earthquake force ...;\r\n f1 = 1.0 for floor in places of public assembly, for live loads >100 psf\r\n     = 0.5 for other live loads;\r\n L = live load;\r\n Lr = roof live load;\r\n Oo  = the seismic force amplification factor, table 16-N\r\n R  = rain load;\r\n rho  = Reliability/Redundancy Factor\r\n S  = snow load;\r\n W  = wind load\r\n\r\n The basic load combinations of 1612.3.1 do not permit stress increases.  \r\n The alternate basic load combinations of 1612.3.2 permit stress increases.\r\n\r\n Since this exact same load combination is listed in the basic load \r\ncombinations, the UBC is in contradiction and is confusing. Suggestion-- use \r\nthe alternate basic load combinations with the one-third stress increase.";
    case 2573:
      return "Combining Factored Loads Using Allowable Stress Design-Basic load combinations. 97 UBC 1612.3.2:\r\n\r\n (12-12)  D + L + (Lr, or S)\r\n (12-13)  D + L + (W or E/1.4)\r\n (12-14)  D + L + W + S/2\r\n (12-15)  D + L + S + W/2\r\n (12-16)  D + L + S + E/1.4\r\n (12-16-1)  0.9D + E/1.4\r\n   A one-third increase is permitted in allowable stress for combinations including W or E, .....\r\n   E as defined in the UBC Section 1630.1.1 Earthquake loads\r\n (30-1)   E = rho *Eh + Ev\r\n\r\n (30-2)   Em = Oo *Eh   \t--a special combinations\r\n   Section 1630.8.2 Elements Supporting Discontinuous or 1633.2.6 Collector Elements.\r\n (12-17)  1.2D + f1*L + 1.0Em\r\n (12-18)  0.9D + 1.0Em\r\n\r\n D  = dead load;\r\n E  = earthquake load;\r\n Eh = the earthquake load due to the base shear, V ;\r\n Em = the estimated maximum earthquake force used for discontinuity & collector...;\r\n f1 = 1.0 for floor in places of public assembly, for live loads >100 psf\r\n     = 0.5 for other live loads;\r\n L = live load;\r\n Lr = roof live load;\r\n Oo  = the seismic force amplification factor, table 16-N;\r\n R  = rain load;\r\n rho  = Reliability/Redundancy Factor;\r\n S  = snow load;\r\n W  = wind load";
    case 2574:
      return "Combining Factored Loads, ACI 318-02 9.2:\r\n\r\n (9-1)    1.4(D+F)\r\n (9-2)    1.2(D+F+T) + 1.6(L+H) +0.5(Lr or S or R)\r\n (9-3)    1.2D + 1.6(Lr or S or R) + (1.0L or 0.8W)\r\n (9-4)    1.2D + 1.6W + 1.0L + 0.5(Lr or S or R)\r\n (9-5)    1.2D + 1.0E + 1.0L + 0.2S\r\n (9-6)    0.9D + 1.6W + 1.6H\r\n (9-7)    0.9D + 1.0E + 1.6H\r\n\r\n\r\n D  = dead load;\r\n E  = earthquake load;\r\n H  = weight and pressure of soil, water in soil;\r\n L  = live load;\r\n Lr = roof live load;\r\n R  = rain load;\r\n rho  = Reliability/Redundancy Factor;\r\n S  = snow load;\r\n T  = temperature, creep, shrinkage\r\n W  = wind load";
    case 3920:
      return "Strength Reduction Factor 'phi':\r\n\r\n Tension-controlled section\t\t\t\t                   0.90\r\n ------------------------------------------------------\r\n Compression-controlled section\r\n    Member with spiral reinforcement conforming to 10.9.3\t\t   0.70\r\n    Other reinforced members\t\t\t\t\t\t0.65\r\n ------------------------------------------------------\r\n Shear and torsion\t\t\t\t\t\t                  0.75\r\n ------------------------------------------------------\r\n Bearing on concrete (except for post-tension anchor) \t\t   0.65\r\n ------------------------------------------------------\r\n Post-tensioned anchorage zones\t   \t\t\t\t0.85\r\n ------------------------------------------------------\r\n Strut-and-tie model\t\t\t   \t\t\t\t0.75\r\n   ** Transition from compression controlled to tension controlled not listed.\r\n\r\n from ACI 318-02 Section 9.3.2 - Strength reduction factors";
    case 2569:
      return " Design Values (Z) for Single Shear connections with 1-1/2 thick of Douglas Fir-Larch G=0.49\r\n\r\n  6d\t0.113\"dia x  2\"\r\n  8d\t0.131\"dia x 2.5\"\r\n 10d\t0.148\"dia x  3\"\r\n 12d\t0.148\"dia x 3.25\"\r\n 16d\t0.162\"dia x 3.5\t\tZ= 138\"\r\n 20d\t0.192\"dia x  4\t\tZ= 166\"\r\n 30d\t0.207\"dia x 4.5 \"\r\n 40d\t0.225\"dia x  5\"\r\n 50d\t0.244\"dia x 5.5\"\r\n 60d\t0.263\"dia x  6\"\r\n\r\n from 1991 NDS Table 12.3B";
    case 2437:
      return " 1.0 square foot  = 0.0929 square metre\r\n 1.0 square inch = 645.2 square millimetre";
    case 2431:
      return " 1.0 pound force  = 4.448 newton N\r\n 1.0 pound mass = 0.454 kilogram\r\n 1.0 ounce mass = 28.35 Gram g\r\n 1.0 pound wt. = 453.6 grams";
    case 2432:
      return "bending moment\r\n1.0 ft-kip  = 1.356 kN-m\r\n1.0 ft-lb  = 1.356 N-m\r\n1.0 in-lb  = 0.11298 N-m";
    case 2433:
      return "pressure stress\r\n1.0 psi  = 6.895 kPa\r\n1.0 psf  = 0.04788 kN/m^2\r\n1.0 ksi   = 6.895 MPa";
    case 2434:
      return "1.0 cu.ft. = 0.02832 cu. metre\r\n  = 7.48052 U.S. Gallon\r\n\r\n 1.00 pcf  = 0.1571 kN/m^3";
    case 2435:
      return "1.0 U.S. gallon  = 3.785 liter\r\n          = 0.13368 cubic feet\r\n          = 0.003785 cubic metre";
    case 2436:
      return "1.0 slug  = 14.594 kilogram (kg)";
    default:
      return nullptr;
  }
}

std::string feetInchesSixteenths(double mm) {
  // Whole sixteenths first, then split: rounding each part on its own gave 1'- 0 16.0/16" for
  // exactly 13 inches.
  const double total = std::round(std::fabs(mm) / 25.4 * 16.0);
  const double feet = std::floor(total / 192.0);
  const double rest = total - feet * 192.0;
  const double inches = std::floor(rest / 16.0);
  const double sixteenths = rest - inches * 16.0;
  return format("%s%.0f'- %.0f %.0f/16\"", mm < 0 && total > 0 ? "-" : "", feet, inches, sixteenths);
}

}  // namespace vd
