#pragma once

// All records of the server tables and the client's own records.

#include "model/articlerecords.h"
#include "model/clientrecords.h"
#include "model/compositerecords.h"
#include "model/customerrecords.h"
#include "model/documentrecords.h"
