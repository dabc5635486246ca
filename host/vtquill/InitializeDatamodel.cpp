#include "vtquill/InitializeDatamodel.h"

#include "dove2/ModelSchema.h"
#include "vtdove/BlockLibrary.h"
#include "vtquill/Schema.h"

void initialize_vt_datamodel() {
    static const bool initialised = [] {
        DOVE2::ModelSchema::get();
        VTQUILL::Schema::get();
        VTDove::BlockLibrary::instance();
        return true;
    }();
    (void)initialised;
}
