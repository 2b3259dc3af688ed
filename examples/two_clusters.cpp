// Motion cueing tuning for the driving simulator's two cockpits.
//
// Cluster 1 drives the passenger-car cockpit, cluster 2 the light-truck cockpit. The parameter
// blocks below are edited with the cueing editor; keep the raw-string delimiters intact.

#include "motion/CueingParameters.h"

#include <string_view>

namespace sim::motion {

namespace {

// Passenger car: tighter tilt rates, softer road harshness.
constexpr std::string_view passengerCarCueing = R"KEO({
	"absolute": {
		"pitch": {
			"enabled": true,
			"input_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValue": [
					0.35,
					0.3
				]
			},
			"output_filter": {
				"cutoffFrequency": [
					13.2,
					13.2
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				]
			}
		},
		"roll": {
			"enabled": false,
			"input_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValue": [
					0.3,
					0.25
				]
			},
			"output_filter": {
				"cutoffFrequency": [
					13.2,
					10.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					90.0,
					90.0
				]
			}
		}
	},
	"algorithm": {
		"g": {
			"enableCorrection": true,
			"removeVerticalComponent": false
		},
		"highpassUseFreshDataOnly": false,
		"transformations": {
			"enableAccMatrix": true,
			"enableAccMatrixTranslationAfter": false,
			"enableAccMatrixTranslationBefore": true,
			"enableVelocityMatrix": true,
			"enableVelocityMatrixTranslationAfter": false,
			"enableVelocityMatrixTranslationBefore": false
		}
	},
	"enhancer": {
		"roadHarshness": {
			"enabled": true,
			"highpass_filter": {
				"cutoffFrequency": [
					1.0,
					1.2
				]
			},
			"input_limit": {
				"limitation": "none",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValue": [
					0.02,
					0.015
				]
			},
			"output_filter": {
				"cutoffFrequency": [
					8.0,
					6.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					15.0,
					12.0
				]
			}
		},
		"sideslip": {
			"pivotPoint": {
				"longitudinalOffset": [
					1.2,
					1.0
				]
			},
			"toRoll": {
				"enabled": false,
				"highpass_filter": {
					"cutoffFrequency": [
						0.1,
						0.1
					]
				},
				"input_limit": {
					"limitation": "logistic",
					"limitationFactor": [
						1.0,
						1.0
					],
					"maxValue": [
						0.12,
						0.1
					]
				},
				"maximum_rate": [
					0.07,
					0.05
				],
				"output_filter": {
					"cutoffFrequency": [
						1.5,
						1.5
					],
					"name": "low_pass"
				},
				"output_limit": {
					"limitation": "logistic",
					"limitationFactor": [
						1.0,
						1.0
					],
					"maxValueFactor": [
						30.0,
						25.0
					]
				}
			},
			"toYaw": {
				"enabled": true,
				"highpass_filter": {
					"cutoffFrequency": [
						0.1,
						0.15
					]
				},
				"input_limit": {
					"limitation": "logistic",
					"limitationFactor": [
						1.0,
						1.0
					],
					"maxValue": [
						0.17,
						0.14
					]
				},
				"maximum_rate": [
					0.09,
					0.07
				],
				"output_filter": {
					"cutoffFrequency": [
						2.0,
						1.8
					],
					"name": "low_pass"
				},
				"output_limit": {
					"limitation": "logistic",
					"limitationFactor": [
						1.0,
						1.0
					],
					"maxValueFactor": [
						40.0,
						35.0
					]
				}
			}
		}
	},
	"lateral_acceleration_and_roll_rate": {
		"acceleration_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				6.0,
				5.0
			]
		},
		"acceleration_to_angle": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.5,
					0.5
				]
			},
			"enabled": true,
			"maximum_rate": [
				0.05,
				0.04
			],
			"output_filter": {
				"cutoffFrequency": [
					10.0,
					10.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					60.0,
					55.0
				]
			}
		},
		"angularRate_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				0.8,
				0.7
			]
		},
		"angular_velocity": {
			"angle_filter": {
				"cutoffFrequency": [
					0.5,
					0.6
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					3.0,
					2.5
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					70.0,
					65.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.8,
					1.0
				]
			}
		},
		"tiltCoordination_input_limit": {
			"limitation": "none",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				4.0,
				3.5
			]
		},
		"travel": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.2,
					0.15
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					20.0,
					20.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					0.6,
					0.6
				],
				"maxValueFactor": [
					85.0,
					80.0
				]
			},
			"travel_filter": {
				"cutoffFrequency": [
					0.0,
					0.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.05,
					0.08
				]
			}
		}
	},
	"longitudinal_acceleration_and_pitch_rate": {
		"acceleration_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				8.0,
				7.0
			]
		},
		"acceleration_to_angle": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.5,
					0.5
				]
			},
			"enabled": true,
			"maximum_rate": [
				0.06,
				0.05
			],
			"output_filter": {
				"cutoffFrequency": [
					10.0,
					10.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					70.0,
					60.0
				]
			}
		},
		"angularRate_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				0.6,
				0.5
			]
		},
		"angular_velocity": {
			"angle_filter": {
				"cutoffFrequency": [
					0.4,
					0.5
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					2.5,
					2.2
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					75.0,
					70.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.7,
					0.9
				]
			}
		},
		"tiltCoordination_input_limit": {
			"limitation": "none",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				5.0,
				4.5
			]
		},
		"travel": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.2,
					0.15
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					20.0,
					20.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					0.6,
					0.6
				],
				"maxValueFactor": [
					90.0,
					85.0
				]
			},
			"travel_filter": {
				"cutoffFrequency": [
					0.0,
					0.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.05,
					0.08
				]
			}
		}
	},
	"mixer": {
		"heaveToPitch": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					1.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					10.0,
					10.0
				]
			}
		},
		"roadHarshnessToPitch": {
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					5.0,
					4.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					10.0,
					8.0
				]
			}
		},
		"roadHarshnessToSurge": {
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					6.0,
					5.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					15.0,
					12.0
				]
			}
		},
		"surgeToPitch": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.2,
					1.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					45.0,
					40.0
				]
			}
		},
		"swayToRoll": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.5,
					1.2
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					40.0,
					35.0
				]
			}
		},
		"yawToRoll": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					1.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					20.0,
					20.0
				]
			}
		}
	},
	"multiplexer": {
		"heave": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					90.0,
					85.0
				]
			}
		},
		"pitch": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					100.0,
					95.0
				]
			}
		},
		"roll": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					100.0,
					95.0
				]
			}
		},
		"surge": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					95.0,
					90.0
				]
			}
		},
		"sway": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					95.0,
					90.0
				]
			}
		},
		"yaw": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					85.0,
					80.0
				]
			}
		}
	},
	"understeer": {
		"actualTurningCurve_filter": {
			"cutoffFrequency": [
				2.0,
				1.5
			],
			"name": "low_pass"
		},
		"deltaTurningCurve": {
			"maximum_rate": [
				0.1,
				0.08
			]
		},
		"intendedTurningCurve_filter": {
			"cutoffFrequency": [
				2.0,
				1.5
			],
			"name": "low_pass"
		},
		"pivotPoint": {
			"longitudinalOffset": [
				1.5,
				1.3
			]
		},
		"toRoll": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					0.8
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					20.0,
					15.0
				]
			}
		},
		"toYaw": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					0.8
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					25.0,
					20.0
				]
			}
		},
		"yawRate_filter": {
			"cutoffFrequency": [
				3.0,
				2.5
			],
			"name": "low_pass"
		}
	},
	"version": 1,
	"vertical_acceleration_and_yaw_rate": {
		"acceleration_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				9.0,
				8.0
			]
		},
		"acceleration_to_angle": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.5,
					0.5
				]
			},
			"enabled": false,
			"maximum_rate": [
				0.0,
				0.0
			],
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					1.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "none",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					50.0,
					50.0
				]
			}
		},
		"angularRate_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				1.2,
				1.0
			]
		},
		"angular_velocity": {
			"angle_filter": {
				"cutoffFrequency": [
					0.2,
					0.25
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					3.5,
					3.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					60.0,
					55.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.3,
					0.4
				]
			}
		},
		"tiltCoordination_input_limit": {
			"limitation": "none",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				2.0,
				2.0
			]
		},
		"travel": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.8,
					1.0
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					4.0,
					3.5
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					80.0,
					75.0
				]
			},
			"travel_filter": {
				"cutoffFrequency": [
					0.3,
					0.4
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.5,
					0.6
				]
			}
		}
	}
})KEO";

// Light truck: more travel headroom, road harshness fed to surge as well.
constexpr std::string_view lightTruckCueing = R"KEO_C2({
	"absolute": {
		"pitch": {
			"enabled": true,
			"input_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValue": [
					0.35,
					0.3
				]
			},
			"output_filter": {
				"cutoffFrequency": [
					13.2,
					13.2
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				]
			}
		},
		"roll": {
			"enabled": true,
			"input_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValue": [
					0.3,
					0.25
				]
			},
			"output_filter": {
				"cutoffFrequency": [
					13.2,
					10.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					90.0,
					90.0
				]
			}
		}
	},
	"algorithm": {
		"g": {
			"enableCorrection": true,
			"removeVerticalComponent": false
		},
		"highpassUseFreshDataOnly": true,
		"transformations": {
			"enableAccMatrix": true,
			"enableAccMatrixTranslationAfter": false,
			"enableAccMatrixTranslationBefore": true,
			"enableVelocityMatrix": true,
			"enableVelocityMatrixTranslationAfter": false,
			"enableVelocityMatrixTranslationBefore": false
		}
	},
	"enhancer": {
		"roadHarshness": {
			"enabled": true,
			"highpass_filter": {
				"cutoffFrequency": [
					1.0,
					1.2
				]
			},
			"input_limit": {
				"limitation": "none",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValue": [
					0.02,
					0.015
				]
			},
			"output_filter": {
				"cutoffFrequency": [
					8.0,
					6.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					15.0,
					12.0
				]
			}
		},
		"sideslip": {
			"pivotPoint": {
				"longitudinalOffset": [
					1.2,
					1.0
				]
			},
			"toRoll": {
				"enabled": true,
				"highpass_filter": {
					"cutoffFrequency": [
						0.1,
						0.1
					]
				},
				"input_limit": {
					"limitation": "logistic",
					"limitationFactor": [
						1.0,
						1.0
					],
					"maxValue": [
						0.12,
						0.1
					]
				},
				"maximum_rate": [
					0.07,
					0.05
				],
				"output_filter": {
					"cutoffFrequency": [
						1.5,
						1.5
					],
					"name": "low_pass"
				},
				"output_limit": {
					"limitation": "logistic",
					"limitationFactor": [
						1.0,
						1.0
					],
					"maxValueFactor": [
						30.0,
						25.0
					]
				}
			},
			"toYaw": {
				"enabled": true,
				"highpass_filter": {
					"cutoffFrequency": [
						0.1,
						0.15
					]
				},
				"input_limit": {
					"limitation": "logistic",
					"limitationFactor": [
						1.0,
						1.0
					],
					"maxValue": [
						0.17,
						0.14
					]
				},
				"maximum_rate": [
					0.09,
					0.07
				],
				"output_filter": {
					"cutoffFrequency": [
						2.0,
						1.8
					],
					"name": "low_pass"
				},
				"output_limit": {
					"limitation": "logistic",
					"limitationFactor": [
						1.0,
						1.0
					],
					"maxValueFactor": [
						40.0,
						35.0
					]
				}
			}
		}
	},
	"lateral_acceleration_and_roll_rate": {
		"acceleration_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				5.0,
				4.0
			]
		},
		"acceleration_to_angle": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.5,
					0.5
				]
			},
			"enabled": true,
			"maximum_rate": [
				0.05,
				0.04
			],
			"output_filter": {
				"cutoffFrequency": [
					10.0,
					10.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					60.0,
					55.0
				]
			}
		},
		"angularRate_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				0.8,
				0.7
			]
		},
		"angular_velocity": {
			"angle_filter": {
				"cutoffFrequency": [
					0.5,
					0.6
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					3.0,
					2.5
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					70.0,
					65.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.8,
					1.0
				]
			}
		},
		"tiltCoordination_input_limit": {
			"limitation": "none",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				4.0,
				3.5
			]
		},
		"travel": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.2,
					0.15
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					20.0,
					20.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					0.6,
					0.6
				],
				"maxValueFactor": [
					85.0,
					80.0
				]
			},
			"travel_filter": {
				"cutoffFrequency": [
					0.0,
					0.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.05,
					0.08
				]
			}
		}
	},
	"longitudinal_acceleration_and_pitch_rate": {
		"acceleration_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				8.0,
				6.0
			]
		},
		"acceleration_to_angle": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.5,
					0.5
				]
			},
			"enabled": true,
			"maximum_rate": [
				0.07,
				0.06
			],
			"output_filter": {
				"cutoffFrequency": [
					10.0,
					10.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					70.0,
					60.0
				]
			}
		},
		"angularRate_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				0.6,
				0.5
			]
		},
		"angular_velocity": {
			"angle_filter": {
				"cutoffFrequency": [
					0.4,
					0.5
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					2.5,
					2.2
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					75.0,
					70.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.7,
					0.9
				]
			}
		},
		"tiltCoordination_input_limit": {
			"limitation": "none",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				5.0,
				4.5
			]
		},
		"travel": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.2,
					0.15
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					20.0,
					20.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					0.6,
					0.6
				],
				"maxValueFactor": [
					90.0,
					85.0
				]
			},
			"travel_filter": {
				"cutoffFrequency": [
					0.0,
					0.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.05,
					0.08
				]
			}
		}
	},
	"mixer": {
		"heaveToPitch": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					1.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					10.0,
					10.0
				]
			}
		},
		"roadHarshnessToPitch": {
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					5.0,
					4.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					10.0,
					8.0
				]
			}
		},
		"roadHarshnessToSurge": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					6.0,
					5.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					15.0,
					12.0
				]
			}
		},
		"surgeToPitch": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.2,
					1.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					45.0,
					40.0
				]
			}
		},
		"swayToRoll": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.5,
					1.2
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					40.0,
					35.0
				]
			}
		},
		"yawToRoll": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					1.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					20.0,
					20.0
				]
			}
		}
	},
	"multiplexer": {
		"heave": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					92.0,
					88.0
				]
			}
		},
		"pitch": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					100.0,
					95.0
				]
			}
		},
		"roll": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					100.0,
					95.0
				]
			}
		},
		"surge": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					95.0,
					90.0
				]
			}
		},
		"sway": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					95.0,
					90.0
				]
			}
		},
		"yaw": {
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					85.0,
					80.0
				]
			}
		}
	},
	"understeer": {
		"actualTurningCurve_filter": {
			"cutoffFrequency": [
				2.0,
				1.5
			],
			"name": "low_pass"
		},
		"deltaTurningCurve": {
			"maximum_rate": [
				0.1,
				0.08
			]
		},
		"intendedTurningCurve_filter": {
			"cutoffFrequency": [
				2.0,
				1.5
			],
			"name": "low_pass"
		},
		"pivotPoint": {
			"longitudinalOffset": [
				1.5,
				1.3
			]
		},
		"toRoll": {
			"enabled": false,
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					0.8
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					20.0,
					15.0
				]
			}
		},
		"toYaw": {
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					0.8
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "gain",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					25.0,
					20.0
				]
			}
		},
		"yawRate_filter": {
			"cutoffFrequency": [
				3.0,
				2.5
			],
			"name": "low_pass"
		}
	},
	"version": 1,
	"vertical_acceleration_and_yaw_rate": {
		"acceleration_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				9.0,
				8.0
			]
		},
		"acceleration_to_angle": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.5,
					0.5
				]
			},
			"enabled": false,
			"maximum_rate": [
				0.0,
				0.0
			],
			"output_filter": {
				"cutoffFrequency": [
					1.0,
					1.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "none",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					50.0,
					50.0
				]
			}
		},
		"angularRate_input_limit": {
			"limitation": "logistic",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				1.2,
				1.1
			]
		},
		"angular_velocity": {
			"angle_filter": {
				"cutoffFrequency": [
					0.2,
					0.25
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					3.5,
					3.0
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					60.0,
					55.0
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.3,
					0.4
				]
			}
		},
		"tiltCoordination_input_limit": {
			"limitation": "none",
			"limitationFactor": [
				1.0,
				1.0
			],
			"maxValue": [
				2.0,
				2.0
			]
		},
		"travel": {
			"acceleration_filter": {
				"cutoffFrequency": [
					0.8,
					1.0
				]
			},
			"enabled": true,
			"output_filter": {
				"cutoffFrequency": [
					4.0,
					3.5
				],
				"name": "low_pass"
			},
			"output_limit": {
				"limitation": "logistic",
				"limitationFactor": [
					1.0,
					1.0
				],
				"maxValueFactor": [
					90.0,
					85.0
				]
			},
			"travel_filter": {
				"cutoffFrequency": [
					0.3,
					0.4
				]
			},
			"velocity_filter": {
				"cutoffFrequency": [
					0.5,
					0.6
				]
			}
		}
	}
})KEO_C2";

} // namespace

CueingParameters loadCueingParameters(Cockpit cockpit) {
    const std::string_view text = cockpit == Cockpit::LightTruck ? lightTruckCueing : passengerCarCueing;
    return CueingParameters::fromJson(text);
}

} // namespace sim::motion
