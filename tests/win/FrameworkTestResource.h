// Resource IDs of the framework suite's own resources.
#pragma once

#define IDD_RESOURCE_DIALOG 200
#define IDD_POPUP_PAGE 201
#define IDS_APPLICATION_STRING 300
#define IDC_RESOURCE_FIELD 100
