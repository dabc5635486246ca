#pragma once

// The repository in one include: handles, model instances, transactions, reports, listeners
// and the cooperative visitor.
#include "quill/ChangeSet.h"
#include "quill/ClassObject.h"
#include "quill/CooperativeVisitor.h"
#include "quill/Deviant.h"
#include "quill/Exception.h"
#include "quill/ImmutableClassObject.h"
#include "quill/ImmutableModel.h"
#include "quill/ImmutableType.h"
#include "quill/ListenerBase.h"
#include "quill/ListenerHolder.h"
#include "quill/Model.h"
#include "quill/ReportOfChanges.h"
#include "quill/Sequence.h"
#include "quill/Transaction.h"
#include "quill/TypeRegistry.h"
