# The library's own resources: the placeholder picture (bitmap 102), the loading
# dialog's splash (bitmap 106) and the loading dialog (dialog 107).
zolt_add_resources(zolt
  2 102 ${ZOLT_ASSETS_DIR}/placeholder.bmp
  2 106 ${ZOLT_ASSETS_DIR}/splash.bmp
  5 107 ${ZOLT_ASSETS_DIR}/loading_dialog.res)
