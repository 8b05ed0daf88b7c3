#include "core/kvizomat_module.h"

namespace kviz {

SharedVariables basKvizomat;

} // namespace kviz
