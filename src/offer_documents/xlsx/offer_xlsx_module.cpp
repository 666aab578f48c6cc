// The offer's workbook: written in the XLSX module (placeholder until it is).
