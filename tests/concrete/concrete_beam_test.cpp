// Rectangular beam against hand calculations of the ACI rectangular stress block.
#include "concrete/concrete_beam.h"
#include "concrete_test_util.h"
#include "support/scratch_dir.h"

using namespace vd;
using vdtest::numberAfter;

namespace {

TEST(RectConcreteBeam, Beta1IsContinuousAndCapacityFromSteel) {
  // ACI 10.2.7.3: beta1 = 0.85 - 0.05*(f'c - 4000)/1000, within 0.65..0.85 (the old step table gave 0.85 at 4.5 ksi).
  const double fcs[] = {2.5, 4.0, 4.5, 4.999, 5.0, 6.0, 7.5, 8.0, 12.0};
  const double betas[] = {0.85, 0.85, 0.825, 0.80005, 0.80, 0.75, 0.675, 0.65, 0.65};
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(beta1ForFc(fcs[i]), betas[i], 1e-12) << fcs[i];
  // rho_bal = 0.85*beta1*f'c/fy * 87/(87 + fy): 4.5 ksi 0.85*0.825*4.5/60*87/147 = 0.031127 (0.032070 with
  // the old 0.85); 4 ksi 0.028507; 6 ksi (beta1 0.75) 0.037730.
  const double rhoBal[][2] = {{4.5, 0.031127}, {4, 0.028507}, {6, 0.037730}};
  for (const auto& r : rhoBal) EXPECT_NEAR(RectConcreteBeam(r[0], 60, 12, 21.5, 0, 0, 0, 0.9).rhoBal, r[1], 1e-6);
  // 12 x 24 beam, d = 21.5, 4 #8: a = 189.6/40.8 = 4.647 in., Mn = 189.6*19.176/12 = 303.0 kip-ft.
  RectConcreteBeam beam(4, 60, 12, 21.5, 24, 0, 3.16, 0.9);
  EXPECT_NEAR(beam.momentCapacity(3.16), 302.99, 0.01);
  // rho_max = 0.75*0.028507: As = 5.5161 in^2, a = 8.112 in., Mn = 330.96*(21.5 - 4.056)/12 = 481.11 kip-ft.
  // Exactly rho_max passes (0.750001 tolerance); 10 ppm more does not.
  const double atLimit = beam.rhoMax() * 12 * 21.5;
  EXPECT_NEAR(atLimit, 5.51607, 1e-5);
  EXPECT_NEAR(beam.momentCapacity(atLimit * 1.000001), 481.114, 0.001);
  EXPECT_THROW(beam.momentCapacity(atLimit * 1.00001), ConcreteFailure);
}

TEST(RectConcreteBeam, MinimumSteelAndSteelFromMoment) {
  // f'c = 4: 200/fy = 0.00333 governs 3*sqrt(4000)/60000 = 0.00316; f'c = 5: 3*sqrt(5000)/60000 = 0.00354 governs.
  RectConcreteBeam beam(4, 60, 12, 21.5, 0, 0, 0.5, 0.9);
  EXPECT_TRUE(beam.applyMinimumSteel(0.5));
  EXPECT_NEAR(beam.As, 0.86, 1e-12);
  EXPECT_FALSE(beam.applyMinimumSteel(1.0));
  // Below the minimum the capacity is that of the 0.50 in^2 given: a = 30/40.8 = 0.7353 in.,
  // Mn = 30*(21.5 - 0.3676)/12 = 52.831 kip-ft (the minimum 0.86 in^2 gave 89.731, 70 % more).
  EXPECT_NEAR(beam.momentCapacity(0.5), 52.831, 0.001);
  const std::string low = beam.writeReport();
  EXPECT_NE(low.find("Moment Capacity = phi* (M)n =47.55 kip-ft"), std::string::npos) << low;
  EXPECT_NE(low.find("\r\n\t NO GOOD!  As (=0.50 in^2) < As,min = max(3*sqrt(f'c), 200)*b*d/fy (=0.86 in^2)  ... "
                     "NO GOOD!\r\n   ACI 10.5.3: the minimum of 10.5.1 need not apply"),
            std::string::npos);
  // As,min/As = 0.86/0.50 = 1.72.
  EXPECT_TRUE(vdtest::endsWith(low, " Result: NO GOOD, ratio 1.72 (governed by flexure, ACI 10.5.1 minimum steel)\r\n"));
  EXPECT_FALSE(beam.result().ok);
  EXPECT_NEAR(RectConcreteBeam(5, 60, 12, 21.5, 0, 0, 0, 0.9).minimumRatio(), 0.0035355, 1e-7);
  // Mn = Mu/0.9 = As*fy*(d - As*fy/(1.7*f'c*b)) solved for As: 0.85*f'c*b/fy*(d - sqrt(d^2 - 2*Mn*12/(0.85*f'c*b))).
  const double steel[][2] = {{150, 1.64267}, {250, 2.86462}, {380, 4.67515}};
  for (const auto& [Mu, As] : steel)
    EXPECT_NEAR(RectConcreteBeam(4, 60, 12, 21.5, 0, Mu, 0, 0.9).requiredSteel(Mu / 0.9), As, 1e-4) << Mu;
  RectConcreteBeam light(4, 60, 12, 21.5, 0, 20, 0, 0.9);
  light.designForMoment = true;
  light.AsGiven = light.requiredSteel(20 / 0.9);
  EXPECT_NEAR(light.AsGiven, 0.86, 1e-9);
  // The minimum is what this design needs: As,min/As = 1.00 governs (M)u/phi*Mn = 20/(0.9*89.73) = 0.25.
  EXPECT_TRUE(vdtest::endsWith(light.writeReport(),
                               " Result: OK, ratio 1.00 (governed by flexure, ACI 10.5.1 minimum steel)\r\n"));
}

TEST(RectConcreteBeam, ServiceabilityTableWorkedByHand) {
  // n = 29e6/(57000*sqrt(4000)) = 8.04 -> 8; nAs = 25.28. Neutral axis: 6*kd^2 + 25.28*kd - 25.28*21.5 = 0,
  // kd = (-25.28 + sqrt(25.28^2 + 24*25.28*21.5))/12 = 7.6414 in.; Icr = 12*kd^3/3 + 25.28*(21.5 - kd)^2 = 6640.05 in^4;
  // Ig = 13824 in^4; fr = 7.5*sqrt(4000) psi = 0.474 ksi; Mcr = fr*Ig/12/12 = 45.537 kip-ft.
  RectConcreteBeam beam(4, 60, 12, 21.5, 24, 0, 3.16, 0.9);
  const std::string r = beam.writeReport();
  EXPECT_EQ(numberAfter(r, "n= "), 8);
  EXPECT_NEAR(numberAfter(r, "Icr= "), 6640.1, 1e-6);  // printed to 0.1
  EXPECT_NEAR(numberAfter(r, "neutral axis(y_bar)= "), 7.6414, 0.0005);
  EXPECT_NEAR(numberAfter(r, "Mcr = fr*Ig/yt = "), 45.537, 0.005);
  // First table line: Ma = the nominal moment at rho_max, 481.11 kip-ft; Eq. (9-7) with (Mcr/Ma)^3 = 8.48e-4:
  // Ie = 8.48e-4*13824 + (1 - 8.48e-4)*6640.05 = 6646.1 in^4.
  const std::size_t first = r.find("while the service moment Ma=");
  EXPECT_NEAR(numberAfter(r, "Ma=", first), 481.11, 0.005);
  EXPECT_NEAR(numberAfter(r, "Ie = ", first), 6646.1, 0.05);
  // As,max = 0.75*0.028507*12*21.5 = 5.516 in^2: 3.16/5.516 = 0.57 governs As,min/As = 0.86/3.16 = 0.27.
  EXPECT_TRUE(vdtest::endsWith(r, "\r\n\t while the service moment Ma=       0.00 kip-ft,    Ie = 13824.0 in^4\r\n"
                                  " Result: OK, ratio 0.57 (governed by ductility, ACI 10.3.3)\r\n"));
  // h = 30: Mcr = 71.1 kip-ft exceeds Mmax/10 = 48.1, so that line shows Ig.
  const std::string deep = RectConcreteBeam(4, 60, 12, 21.5, 30, 0, 3.16, 0.9).writeReport();
  EXPECT_NEAR(numberAfter(deep, "Ie = ", deep.find("Ma=      48.1")), 27000.0, 0.05);
  // No overall depth beyond d: no depth line, no serviceability.
  for (double h : {0.0, 21.5}) {
    const std::string shallow = RectConcreteBeam(4, 60, 12, 21.5, h, 0, 3.16, 0.9).writeReport();
    EXPECT_EQ(shallow.find("depth ="), std::string::npos);
    EXPECT_EQ(shallow.find("Serviceability"), std::string::npos);
  }
}

class ConcreteBeamFormTest : public vdtest::ScratchDir {
 protected:
  std::string beamScript(bool fromSteel, const std::string& last) {
    return std::string("menu Concrete Beam, ") + (fromSteel ? "As->M" : "M->As") +
           "\nset Fc' 4\nset Fy 60\nset \"Width at comp. side b\" 12\nset \"Dist. d\" 21.5\nset \"Depth *\" 24\n"
           "set phi 0.9\n" +
           (fromSteel ? "set \"Reinf. steel As\" 3.16\n" : "set \"Bending moment\" 250\n") + last +
           (fromSteel ? "press \"'As' to find 'Mom.'\"\n" : "press \"'Mom' to find 'As'\"\n") + "show messages\n";
  }
};

// The form flows (both directions, warnings, refusals) are in tests/golden/concrete/forms.txt.
TEST_F(ConcreteBeamFormTest, NoInputPrintsAnInfiniteOrMissingNumber) {
  const char* values[] = {"0", "-3", "1e-300", "1e300", "abc", "9999999999"};
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  for (bool fromSteel : {true, false})
    for (const char* fc : {"4", "1e-300"})
      for (const char* b : values)
        for (const char* x : values) {
          run(r, beamScript(fromSteel, std::string("set Fc' ") + fc + "\nset \"Width at comp. side b\" " + b +
                                           "\nset \"Depth *\" " + x + "\nset \"Reinf. steel As\" " + x +
                                           "\nset \"Bending moment\" " + x + "\n") +
                     "show Bending moment\nshow \"Reinf. steel As\"\nshow Compression block a\npress OK\n");
          if (r.currentHost()) run(r, "press Cancel\n");  // refused
          EXPECT_FALSE(vdtest::hasNonFinite(r.padText())) << fc << " " << b << " " << x << r.padText();
        }
  EXPECT_FALSE(vdtest::hasNonFinite(out_.str()));
}

}  // namespace
