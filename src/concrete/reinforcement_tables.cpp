// The read-only reinforcement and fastener reference sheets: fixed lines, columns split by tabs.
#include "concrete/reinforcement_tables.h"

#include "concrete/form_factories.h"
#include "frame/commands.h"

namespace vd {

namespace {

constexpr const char* kRule = "------------------------------------------------------------";

const ReinforcementTable kTables[] = {
    {cmd::Rebars, "REBAR_Box", "ASTM A615 & A706 Standard Reinforcing Bars",
     {"Bar #\tWeight  Diameter\tArea\tperimeter",
      "     \t plf.\t inch\t in^2\t  inch",
      kRule,
      "#3\t0.376\t0.375\t0.11\t1.178",
      "#4\t0.668\t0.500\t0.20\t1.571",
      "#5\t1.043\t0.625\t0.31\t1.963",
      "#6\t1.502\t0.750\t0.44\t2.356",
      "#7\t2.044\t0.875\t0.60\t2.749",
      "#8\t2.670\t1.000\t0.79\t3.142",
      "#9\t3.400\t1.128\t1.00\t3.544",
      "#10\t4.303\t1.270\t1.27\t3.990",
      "#11\t5.313\t1.410\t1.56\t4.430",
      "#14\t7.65\t1.693\t2.25\t5.32",
      "#18\t13.60\t2.257\t4.00\t7.09",
      "#10M\t-.---\t11.3mm\t100mm^2\t-.---",
      "#15M\t-.---\t16.0mm\t200mm^2\t-.---",
      "#20M\t-.---\t19.5mm\t300mm^2\t-.---",
      "#25M\t-.---\t25.2mm\t500mm^2\t-.---",
      "#30M\t-.---\t29.9mm\t700mm^2\t-.---",
      "#35M\t-.---\t35.7mm\t1000mm^2\t-.---",
      kRule}},
    {cmd::WeldedWireFabric, "WWF_Box", "Common Stock Style of Welded Wire Fabric",
     {"     ... Style Designation ...\t\t Steel Area (in^2/ft)     Weight Approx.",
      "by W-number\t by Wire Gage\tLongit.\t Transv.\t    Lbs./100 Sq. ft",
      kRule,
      "in rolls ...",
      "6x6-W1.4xW1.4\t6x6-10x10\t0.03\t0.03\t21",
      "6x6-W2xW2\t6x6-8x8*\t0.04\t0.04\t29",
      "6x6-W2.9xW2.9\t6x6-6x6\t0.06\t0.06\t42",
      "6x6-W4xW4\t6x6-4x4\t0.08\t0.08\t58",
      "4x4-W1.4xW1.4\t4x4-10x10\t0.04\t0.04\t31",
      "4x4-W2xW2\t4x4-8x8*\t0.06\t0.06\t43",
      "4x4-W2.9xW2.9\t4x4-6x6\t0.09\t0.09\t62",
      "4x4-W4xW4\t4x4-4x4\t0.12\t0.12\t86",
      "in sheets ...",
      "6x6-W2.9xW2.9\t6x6-6x6\t0.06\t0.06\t42",
      "6x6-W4xW4\t6x6-4x4\t0.08\t0.08\t58",
      "6x6-W5.5xW5.5\t6x6-2x2**\t0.11\t0.11\t80",
      "4x4-W4xW4\t4x4-4x4\t0.12\t0.12\t86",
      kRule}},
    {cmd::WireGages, "METAL_GAGE_Box", "U.S. Standard Wire and Sheet Metal Gages, UBC std. p3-538",
     {" Gage No.   nor. thickness        min. thickness (inch)  ",
      kRule,
      "4\t0.2242\tnone",
      "6\t0.1943\tnone",
      "8\t0.1644\t0.156",
      "10\t0.1345\t0.127",
      "12\t0.1046\t0.097",
      "14\t0.0747\t0.068",
      "16\t0.0598\t0.055",
      "18\t0.0478\t0.044",
      "20\t0.0359\t0.033",
      "22\t0.0299\t0.027",
      "24\t0.0239\t0.021",
      "26\t0.0179\t0.016",
      "28\t0.0149\t0.013",
      kRule}},
    {cmd::TekScrews, "TEK_SCREW_Box", "Type AB Self Tapping Screws",
     {" Size No.  dia.  /in.   dia.     dia (inch)  ",
      kRule,
      "4\t0.1120\t24\t0.110\t0.082",
      "6\t0.1380\t20\t0.135\t0.099",
      "7\t0.1550\t00\t0.151\t0.0",
      "8\t0.1644\t18\t0.161\t0.116",
      "10\t0.1900\t16\t0.183\t0.135",
      "12\t0.2160\t14\t0.209\t0.157",
      "1/4\t0.2500\t14\t0.240\t0.185",
      "5/16\t0.3125\t12\t0.306\t0.236",
      "3/8\t0.3750\t12\t0.371\t0.299",
      kRule}},
    {cmd::KwikBolt, "KWIK_BOLT_II_Box", "Carbon Steel Kwik Bolt-II",
     {"f'c=3,000 psi                        Tension                          Shear",
      "dia x length      with inspection    w/o inspection     ",
      kRule,
      "3/8\" x 3\"\t1 210 lb\t605 lb\t1,100 lb",
      "1/2\" x 4\"\t2,000 lb\t1,000 lb\t1,840 lb",
      "5/8\" x 5\"\t2,670 lb\t1,355 lb\t3,125 lb",
      "3/4\" x 6\"\t3,625 lb\t1,940 lb\t4,255 lb",
      "1\" x 8\"\t5,310 lb\t2,655 lb\t8,625 lb",
      kRule}},
};

class ReinforcementTableForm : public Form {
 public:
  explicit ReinforcementTableForm(const ReinforcementTable& t) : layout_(t.templateName, t.title) {
    for (const char* line : t.lines) {
      layout_.label(line);
      layout_.newLine();
    }
    layout_.button(kOk, "OK").isDefault = true;
  }
  const FormLayout& layout() const override { return layout_; }

 private:
  FormLayout layout_;
};

}  // namespace

const ReinforcementTable* reinforcementTable(int commandId) {
  for (const ReinforcementTable& t : kTables)
    if (t.commandId == commandId) return &t;
  return nullptr;
}

std::unique_ptr<Form> makeReinforcementTableForm(int commandId) {
  const ReinforcementTable* t = reinforcementTable(commandId);
  return t ? std::make_unique<ReinforcementTableForm>(*t) : nullptr;
}

}  // namespace vd
