# SPDX-License-Identifier: Apache-2.0
# The panel's conversions, without widgets.
labelbench_add_test(tst_config_panel SOURCES tst_config_panel.cpp LIBS labelbench_core)
