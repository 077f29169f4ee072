#include "editor/propertymapping_bipolar.h"

#include "document/componentkinds.h"

#include <array>
#include <string_view>

namespace norvane {
namespace {

// The model parameters of the dialog's accurate page and the transistor parameter each
// one is stored as.
struct ModelField
{
  std::string_view name;
  double BipolarParameters::*member;
};

constexpr std::array<ModelField, 10> kModelFields{{
    {"beta", &BipolarParameters::beta},
    {"re", &BipolarParameters::re},
    {"rbb", &BipolarParameters::rbb},
    {"ro", &BipolarParameters::ro},
    {"cbe", &BipolarParameters::cbe},
    {"ccb", &BipolarParameters::ccb},
    {"delay", &BipolarParameters::timeDelay},
    {"lb", &BipolarParameters::lb},
    {"betaCutoff", &BipolarParameters::betaCutoff},
    {"le", &BipolarParameters::le},
}};

// Through the transistor's description, whatever code the component carries.
const ParameterDescription& param(std::string_view name)
{
  return *componentKind(ComponentType::Bipolar).parameter(name);
}

double get(const Component& comp, std::string_view name)
{
  return parameterValue(comp, param(name));
}

void put(Component& comp, std::string_view name, double x)
{
  setParameterValue(comp, param(name), x);
}

} // namespace

BipolarForm readBipolarForm(const Component& comp)
{
  BipolarForm form;
  for (const ModelField& f : kModelFields)
    form.model.*f.member = get(comp, f.name);
  form.ic = get(comp, "ic");
  form.ft = get(comp, "ft");
  form.ballPark = get(comp, "ballParkModel") != 0.0;
  form.surfaceMount = get(comp, "surfaceMount") != 0.0;
  return form;
}

void storeBipolarForm(const BipolarForm& form, Component& comp)
{
  for (const ModelField& f : kModelFields)
    put(comp, f.name, form.model.*f.member);
  put(comp, "ic", form.ic);
  put(comp, "ft", form.ft);
  put(comp, "ballParkModel", form.ballPark ? 1.0 : 0.0);
  put(comp, "surfaceMount", form.surfaceMount ? 1.0 : 0.0);
}

} // namespace norvane
