#pragma once
#define IDD_HOST_PROMPT 200
