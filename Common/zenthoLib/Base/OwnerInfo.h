// The name and company of the person who set up the system.
#pragma once

#include "platform/CString.h"

// Reads "DefName", then "DefCompany" of HKEY_CURRENT_USER
// "Software\Microsoft\MS Setup (ACME)\User Info". 1 when both were read; 0
// otherwise, with `name` possibly already set.
int GetOwnerInfo(CString& name, CString& company);
