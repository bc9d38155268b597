// Ids of the module's resources, shared by every folder of the module and by its resource
// script. Each dialog adds its template and control ids here.
#pragma once

// The version resource (VS_VERSION_INFO).
#define VS_VERSION_INFO 1

// Each folder's ids follow in its own section, so that folders do not interleave.

// prompts/: message boxes, the ID box and the small prompts.

// compsearch/: the component Find.

// propsearch/: the property search.
